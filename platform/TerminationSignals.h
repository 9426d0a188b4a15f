#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT, turned into a Qt signal on the user-interface thread.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};
