// What the X server says about the screen the workbench opens on, asked before Qt connects.
#pragma once

#include <QByteArray>
#include <QRect>
#include <memory>
#include <optional>

struct xcb_connection_t;

namespace dosarium {

struct X11Screen {
    // The primary monitor, or the whole screen when the server lists no monitor.
    QRect geometry;
    // The desktop's area outside its panels (_NET_WORKAREA), empty when the desktop names none.
    QRect workArea;
    // Whether an EWMH window manager runs, and so will frame the window.
    bool windowManager = false;
    // The font resolution the desktop chose (Xft.dpi), 0 when it chose none.
    int resourceDpi = 0;

    // The area a window may take on that monitor, as Qt reports it.
    QRect available() const { return workArea.isEmpty() ? geometry : geometry & workArea; }

    // Nothing when no X server answers at the display name (the DISPLAY variable when empty). The
    // connection asked on is handed to `connection`: it closes when the last copy goes.
    static std::optional<X11Screen> read(const QByteArray& displayName,
                                         std::shared_ptr<xcb_connection_t>& connection);
    // The Xft.dpi line of the resources a desktop publishes on the root window, 0 when none.
    static int dpiFromResources(const QByteArray& resources);
};

} // namespace dosarium
