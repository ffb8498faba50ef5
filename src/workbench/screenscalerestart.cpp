#include "workbench/screenscalerestart.h"

#include "workbench/screenscale.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <xcb/xcb.h>

namespace dosarium {
namespace {

// Until its window is mapped nothing says how large a frame the window manager will draw around
// it: a title bar and thin borders as the common desktops draw them.
constexpr QMargins usualFrame(4, 38, 4, 4);
// A Wayland client is not told where the panels are: room is kept for one.
constexpr int usualPanelHeight = 48;

bool userChoseScale()
{
    return !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ||
           !qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS");
}

// An EWMH window manager names its check window on the root window; with none (a bare X server)
// windows have no frame.
bool x11WindowManagerRunning(xcb_connection_t* connection)
{
    const char name[] = "_NET_SUPPORTING_WM_CHECK";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, true, std::strlen(name), name), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, false, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr),
        &std::free);
    return property && xcb_get_property_value_length(property.get()) > 0;
}

// The area and frame the window will really have, as far as the platform tells before it exists.
double scaleWithFrame(const QScreen& screen)
{
    QSize available = screen.availableGeometry().size();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        available.rheight() -= usualPanelHeight;
        return ScreenScale::forScreen(available, usualFrame, screen.devicePixelRatio());
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const bool framed = x11 && x11WindowManagerRunning(x11->connection());
    return ScreenScale::forScreen(available, framed ? usualFrame : QMargins(),
                                  screen.devicePixelRatio());
}

} // namespace

void restartAtScreenScale(char* const arguments[])
{
    if (userChoseScale())
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    // Most screens cannot take a larger window even without a frame: they cost one comparison.
    if (!screen || ScreenScale::forScreen(screen->availableGeometry().size(), QMargins(),
                                          screen->devicePixelRatio()) == 1.0)
        return;
    const double scale = scaleWithFrame(*screen);
    if (scale == 1.0)
        return;
    // The variable also tells the restarted program that its scale is chosen.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    execv(program.constData(), arguments);
    qunsetenv("QT_SCALE_FACTOR");
}

} // namespace dosarium
