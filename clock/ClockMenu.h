#pragma once

class QMenu;
class QWidget;

// Builds the clock's popup menu pmClockMenu with all its items, named as the language files
// address them. Items whose windows do not exist yet are disabled.
QMenu* CreateClockMenu(QWidget* clock);
