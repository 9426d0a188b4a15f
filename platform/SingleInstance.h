#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running instance per user login and guard name: a lock file in the user's runtime
// folder, plus a local socket on which the running instance hears "activate".
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& guardName, QObject* parent = nullptr);
    ~SingleInstance() override;

    bool isFirstInstance() const { return first_; }

    // First instance: start listening for later starts (needs the application object).
    void listen();
    // Later instance: ask the running one to come forward. False when it could not be told.
    bool activateRunningInstance() const;

    // The folder holding the lock and the socket: $XDG_RUNTIME_DIR, else a private temp folder.
    static QString runtimeFolder();

signals:
    void activationRequested();

private:
    QString basePath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    bool first_ = false;
};
