#include "platform/ErrorReport.h"

#include "platform/Dialogs.h"

namespace ErrorReport {

void show(const QString& message)
{
    Dialogs::instance().message(QApplication::activeWindow(), QCoreApplication::applicationName(), message,
                                Dialogs::Icon::Error, Dialogs::Buttons::Ok);
}

void show(const std::exception& error)
{
    show(QString::fromUtf8(error.what()));
}

}  // namespace ErrorReport

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ErrorReport::show(error);
    } catch (...) {
        ErrorReport::show(QStringLiteral("Unknown error"));
    }
    return false;
}
