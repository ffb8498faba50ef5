#include "workbench/x11screen.h"

#include <QList>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace dosarium {
namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_intern_atom_cookie_t existingAtom(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, true, std::strlen(name), name);
}

// A property of the root window; long_length counts 32-bit units.
xcb_get_property_cookie_t rootProperty(xcb_connection_t* connection, xcb_window_t root,
                                       xcb_atom_t property, xcb_atom_t type, uint32_t units)
{
    return xcb_get_property(connection, false, root, property, type, 0, units);
}

xcb_atom_t atomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    const auto reply = owned(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

ReplyPtr<xcb_get_property_reply_t> propertyOf(xcb_connection_t* connection,
                                              xcb_get_property_cookie_t cookie)
{
    return owned(xcb_get_property_reply(connection, cookie, nullptr));
}

// Qt opens its windows on the monitor RandR calls primary, or on the first it lists. A server
// older than RandR 1.5 answers the version it has and no monitor list.
std::optional<QRect> primaryMonitor(xcb_connection_t* connection,
                                    xcb_randr_query_version_cookie_t versionCookie,
                                    xcb_randr_get_monitors_cookie_t monitorsCookie)
{
    const auto version = owned(xcb_randr_query_version_reply(connection, versionCookie, nullptr));
    const auto monitors = owned(xcb_randr_get_monitors_reply(connection, monitorsCookie, nullptr));
    if (!version || (version->major_version == 1 && version->minor_version < 5) || !monitors)
        return std::nullopt;
    std::optional<QRect> chosen;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem;
         xcb_randr_monitor_info_next(&it)) {
        const QRect geometry(it.data->x, it.data->y, it.data->width, it.data->height);
        if (it.data->primary)
            return geometry;
        if (!chosen)
            chosen = geometry;
    }
    return chosen;
}

} // namespace

// The questions go out in two batches, each answered in one round trip: a loaded machine makes
// every wait for the server long.
std::optional<X11Screen> X11Screen::read(const QByteArray& displayName,
                                         std::shared_ptr<xcb_connection_t>& connection)
{
    int screenNumber = 0;
    connection.reset(
        xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber),
        &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return std::nullopt;
    xcb_connection_t* c = connection.get();
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; roots.rem && screenNumber > 0; --screenNumber)
        xcb_screen_next(&roots);
    if (!roots.rem)
        return std::nullopt;
    const xcb_screen_t& root = *roots.data;

    xcb_prefetch_extension_data(c, &xcb_randr_id);
    const auto workAreaAtom = existingAtom(c, "_NET_WORKAREA");
    const auto checkAtom = existingAtom(c, "_NET_SUPPORTING_WM_CHECK");
    const auto resources =
        rootProperty(c, root.root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 16384);

    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(c, &xcb_randr_id);
    const bool hasRandr = randr && randr->present;
    xcb_randr_query_version_cookie_t versionCookie{};
    xcb_randr_get_monitors_cookie_t monitorsCookie{};
    if (hasRandr) {
        versionCookie = xcb_randr_query_version(c, 1, 5);
        monitorsCookie = xcb_randr_get_monitors(c, root.root, true);
    }
    const xcb_atom_t workArea = atomOf(c, workAreaAtom);
    const xcb_atom_t check = atomOf(c, checkAtom);
    xcb_get_property_cookie_t workAreaCookie{};
    xcb_get_property_cookie_t checkCookie{};
    if (workArea != XCB_ATOM_NONE)
        workAreaCookie = rootProperty(c, root.root, workArea, XCB_ATOM_CARDINAL, 4);
    if (check != XCB_ATOM_NONE)
        checkCookie = rootProperty(c, root.root, check, XCB_ATOM_WINDOW, 1);

    X11Screen screen;
    screen.geometry = QRect(0, 0, root.width_in_pixels, root.height_in_pixels);
    if (hasRandr)
        screen.geometry =
            primaryMonitor(c, versionCookie, monitorsCookie).value_or(screen.geometry);
    if (const auto reply = propertyOf(c, resources)) {
        const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
        screen.resourceDpi =
            dpiFromResources(QByteArray(text, xcb_get_property_value_length(reply.get())));
    }
    // The first desktop's area, as Qt reads it: x, y, width and height.
    if (workArea != XCB_ATOM_NONE) {
        const auto reply = propertyOf(c, workAreaCookie);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 16) {
            const auto* area = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
            screen.workArea = QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
        }
    }
    if (check != XCB_ATOM_NONE) {
        const auto reply = propertyOf(c, checkCookie);
        screen.windowManager = reply && xcb_get_property_value_length(reply.get()) > 0;
    }
    return screen;
}

int X11Screen::dpiFromResources(const QByteArray& resources)
{
    for (const QByteArray& line : resources.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "Xft.dpi")
            return line.mid(colon + 1).trimmed().toInt();
    }
    return 0;
}

} // namespace dosarium
