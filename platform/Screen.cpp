#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace Screen {
namespace {

std::optional<QRect> fixedGeometry;

}  // namespace

QRect geometry()
{
    if (fixedGeometry)
        return *fixedGeometry;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void setGeometryForTests(const std::optional<QRect>& fixed)
{
    fixedGeometry = fixed;
}

}  // namespace Screen
