#pragma once

class QWidget;

// Window-manager states that Qt's window flags do not cover.
namespace WindowState {

// Keeps the window out of the taskbar and the pager (the task switcher): the states are set on
// the native window before every show, as the window manager drops them when it is hidden.
// Does nothing where the windowing system has no such states.
void keepOffTaskbarAndPager(QWidget* window);

// Whether the program may place its own windows (X11 lets it, Wayland does not).
bool programPlacesWindows();

}  // namespace WindowState
