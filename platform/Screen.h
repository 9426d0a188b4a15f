#pragma once

#include <QRect>

#include <optional>

// The primary screen's geometry: the one place windows ask for the screen size.
namespace Screen {

QRect geometry();
inline int width() { return geometry().width(); }
inline int height() { return geometry().height(); }

// Test seam.
void setGeometryForTests(const std::optional<QRect>& fixed);

}  // namespace Screen
