#include "platform/Dialogs.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace {

std::unique_ptr<Dialogs>& installed()
{
    static std::unique_ptr<Dialogs> dialogs = std::make_unique<QtDialogs>();
    return dialogs;
}

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Dialogs& Dialogs::instance()
{
    return *installed();
}

std::unique_ptr<Dialogs> Dialogs::install(std::unique_ptr<Dialogs> dialogs)
{
    std::unique_ptr<Dialogs> previous = std::move(installed());
    installed() = dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>();
    return previous;
}

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& caption, const QString& text,
                                   Icon icon, Buttons buttons)
{
    QMessageBox box(toQt(icon), caption, text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool QtDialogs::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
