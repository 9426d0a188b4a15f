#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// The HTML help beside the executable, one page per help context (Help/context-N.html) and
// a contents page (Help/index.html), opened in the desktop's browser. F1 in a window with a
// help context opens its page.
namespace Help {

// Gives the window its help context and makes F1 in it open the help there.
void setContext(QWidget* window, int context);
// The context of the window (or of the nearest parent that has one); 0 when none has one.
int context(const QWidget* widget);

// The page of a help context; the contents page for 0.
QString pagePath(int context);
// Opens the help at the widget's context. A missing help file is reported in a message box.
void show(QWidget* widget);

}  // namespace Help
