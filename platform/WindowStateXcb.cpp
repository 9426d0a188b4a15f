#include "platform/WindowState.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace WindowState {
namespace {

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Adds the skip states to the window's _NET_WM_STATE, keeping whatever else is there (Qt keeps
// the states it does not manage itself when it maps the window).
void addSkipStates(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_atom_t netWmState = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t wanted[] = {internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (netWmState == XCB_ATOM_NONE)
        return;

    std::vector<xcb_atom_t> states;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, netWmState, XCB_ATOM_ATOM, 0, 1024);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        states.assign(values, values + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t));
    }
    for (const xcb_atom_t state : wanted) {
        if (state != XCB_ATOM_NONE && std::find(states.begin(), states.end(), state) == states.end())
            states.push_back(state);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmState, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}

// Qt sends the show event before it maps the native window, so the states are in place when
// the window manager first sees it.
class SkipStatesKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (xcb_connection_t* connection = x11Connection())
                addSkipStates(connection, static_cast<xcb_window_t>(static_cast<QWidget*>(watched)->winId()));
        }
        return false;
    }
};

}  // namespace

void keepOffTaskbarAndPager(QWidget* window)
{
    if (!x11Connection())
        return;
    window->installEventFilter(new SkipStatesKeeper(window));
}

bool programPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace WindowState
