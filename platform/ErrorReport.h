#pragma once

#include <QApplication>

#include <exception>

// The top-level error report: an exception that escapes an event handler is shown in a
// message box and the operation stops there; the program goes on.
namespace ErrorReport {

void show(const QString& message);
void show(const std::exception& error);

}  // namespace ErrorReport

class ErrorReportingApplication : public QApplication {
public:
    ErrorReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};
