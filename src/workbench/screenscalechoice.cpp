#include "workbench/screenscalechoice.h"

#include "workbench/screenscale.h"
#include "workbench/waylandscreen.h"
#include "workbench/x11screen.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

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

// The value of one of Qt's own options (-platform, -display), with one dash or two.
QByteArray qtOption(int argc, char* argv[], const char* name)
{
    const QByteArray single = QByteArray("-") + name;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == single || argument == '-' + single)
            return argv[i + 1];
    }
    return {};
}

// The platform Qt will open, chosen as Qt chooses it: the -platform option, then QT_QPA_PLATFORM,
// then a Wayland session (except GNOME's, where Qt stays on X11), then X11.
QByteArray platformName(int argc, char* argv[])
{
    QByteArray name = qtOption(argc, argv, "platform");
    if (name.isEmpty())
        name = qgetenv("QT_QPA_PLATFORM");
    if (name.isEmpty() && qgetenv("XDG_SESSION_TYPE") == "wayland") {
        const bool gnome = qgetenv("XDG_CURRENT_DESKTOP").toLower().contains("gnome") ||
                           qgetenv("XDG_SESSION_DESKTOP").toLower().contains("gnome");
        name = gnome ? "xcb" : "wayland";
    }
    if (name.isEmpty())
        name = "xcb";
    // Of a list of platforms Qt takes the first it can open; options follow a colon.
    return name.split(';').constFirst().split(':').constFirst();
}

// Qt draws an X11 desktop's pixels larger when the desktop chose a font resolution other than
// 96 dpi: that desktop already scales.
double x11DevicePixelRatio(const X11Screen& screen)
{
    if (qgetenv("QT_ENABLE_HIGHDPI_SCALING") == "0" || screen.resourceDpi <= 0)
        return 1.0;
    return screen.resourceDpi / 96.0;
}

double x11Scale(const QByteArray& displayName, DisplayHold& hold)
{
    std::shared_ptr<xcb_connection_t> connection;
    const std::optional<X11Screen> screen = X11Screen::read(displayName, connection);
    hold = connection;
    if (!screen)
        return 1.0;
    return ScreenScale::forScreen(screen->available().size(),
                                  screen->windowManager ? usualFrame : QMargins(),
                                  x11DevicePixelRatio(*screen));
}

double waylandScale()
{
    const std::optional<WaylandScreen> screen = WaylandScreen::read();
    if (!screen)
        return 1.0;
    QSize available = screen->size;
    available.rheight() -= usualPanelHeight;
    return ScreenScale::forScreen(available, usualFrame, screen->scale);
}

} // namespace

DisplayHold chooseScreenScale(int argc, char* argv[])
{
    DisplayHold hold;
    if (userChoseScale())
        return hold;
    const QByteArray platform = platformName(argc, argv);
    double scale = 1.0;
    if (platform == "xcb")
        scale = x11Scale(qtOption(argc, argv, "display"), hold);
    else if (platform == "wayland")
        scale = waylandScale();
    if (scale > 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    return hold;
}

} // namespace dosarium
