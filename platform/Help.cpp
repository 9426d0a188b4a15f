#include "platform/Help.h"

#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QShortcut>
#include <QWidget>

namespace Help {
namespace {

const char* const ContextProperty = "helpContext";

}  // namespace

void setContext(QWidget* window, int context)
{
    const bool hadContext = window->property(ContextProperty).isValid();
    window->setProperty(ContextProperty, context);
    if (hadContext)
        return;
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window, [window] { show(window); });
}

int context(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QVariant value = widget->property(ContextProperty);
        if (value.isValid())
            return value.toInt();
    }
    return 0;
}

QString pagePath(int context)
{
    return ProgramFolder::filePath(context > 0 ? QStringLiteral("Help/context-%1.html").arg(context)
                                               : QStringLiteral("Help/index.html"));
}

void show(QWidget* widget)
{
    const QString path = pagePath(context(widget));
    if (!QFileInfo(path).isFile()) {
        Dialogs::instance().message(widget, QCoreApplication::applicationName(),
                                    QStringLiteral("Cannot find the help file \"%1\".").arg(path),
                                    Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
        return;
    }
    if (!Dialogs::instance().openUrl(QUrl::fromLocalFile(path)))
        Dialogs::instance().message(widget, QCoreApplication::applicationName(),
                                    QStringLiteral("Cannot open the help file \"%1\".").arg(path),
                                    Dialogs::Icon::Warning, Dialogs::Buttons::Ok);
}

}  // namespace Help
