#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The real program, copied into a temporary program folder of its own and started with a
// private runtime folder, so its single-instance guard and files touch nothing else.
class ProgramInstallation {
public:
    // executableName: the file name the copy gets.
    explicit ProgramInstallation(const QString& executableName = QStringLiteral("L_Organizer"));

    QString folder() const { return dir_.path(); }
    QString executable() const { return executable_; }
    QString runtimeFolder() const { return runtime_.path(); }
    QProcessEnvironment environment() const;

    // Starts the program with the given extra environment; the caller owns the process.
    std::unique_ptr<QProcess> start(const QString& executable = {}) const;
    // A copy of the executable under another name in the same folder.
    QString copyExecutableAs(const QString& name) const;

    // True once the running instance listens for later starts.
    bool waitUntilListening(int timeoutMs = 10000) const;

private:
    QTemporaryDir dir_;
    QTemporaryDir runtime_;
    QString executable_;
};
