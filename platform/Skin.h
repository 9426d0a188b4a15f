#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

// The skin: one style sheet for the whole application, and the magnetic screen edges that
// windows snap to.
namespace Skin {

// Windows closer than this to a screen edge snap against it.
inline constexpr int MagneticSize = 10;

// The style sheet text of a skin file, plain or qCompress'ed. False when the file is missing,
// unreadable or its compressed data are broken.
bool read(const QString& path, QString& styleSheet);
// Reads the skin file and makes it the application's style sheet.
bool load(const QString& path);

// Whether a gap between a window edge and a screen edge is small enough to snap.
inline bool withinSnapDistance(int gap) { return gap > -MagneticSize && gap < MagneticSize; }

// The position at which a window dropped at `window` rests: against every screen edge it was
// dropped near, the left and top edges winning over the right and bottom ones.
QPoint snapToScreenEdges(const QRect& window, const QRect& screen);

}  // namespace Skin
