#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The one image list of the program's toolbars, the contact editor's group box and the day
// overview's section buttons. Indexes are stored in forms and language-independent code, so
// they never change.
namespace ToolbarImage {
enum Index : int {
    GroupNotAssigned = 0,  // grey globe
    GroupFamily = 1,       // armchair
    GroupJob = 2,          // briefcase
    GroupFriends = 3,      // teddy bear
    View = 4,              // eye
    Edit = 5,              // pencil on a page
    Add = 6,               // plus sign
    Delete = 7,            // minus sign
    SectionCollapsed = 8,  // double chevron up
    SectionExpanded = 9,   // double chevron down
};
inline constexpr int Count = 10;
inline constexpr int Size = 16;
}  // namespace ToolbarImage

// All ten pictures, in index order, as icons holding 16x16 and 32x32 pixmaps. Built once on
// first use; needs the application object.
const QList<QIcon>& ToolbarImages();

// One picture painted afresh at size x size pixels; an index outside the list gives a null pixmap.
QPixmap ToolbarPixmap(int index, int size = ToolbarImage::Size);

// The program's own icon (tray icon, window icons).
QIcon ApplicationIcon();

// The about box's tall logo, 36x195: a larkspur spike.
QPixmap AboutLogo();
