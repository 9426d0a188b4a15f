#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

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

// QFontDialog has no colour of its own: it is embedded with a button for the colour dialog.
std::optional<Dialogs::FontChoice> QtDialogs::font(QWidget* parent, const FontChoice& initial)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QFontDialog::tr("Select Font"));
    auto* fonts = new QFontDialog(initial.font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons);
    QColor color = initial.color;
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* colorButton = buttons->addButton(QColorDialog::tr("Color..."), QDialogButtonBox::ActionRole);
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        if (const std::optional<QColor> chosen = this->color(&dialog, color))
            color = *chosen;
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{fonts->currentFont(), color};
}

std::optional<QColor> QtDialogs::color(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

bool QtDialogs::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
