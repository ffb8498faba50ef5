#include "workbench/x11screen.h"

#include <gtest/gtest.h>

using namespace dosarium;

TEST(X11Screen, TheDesktopsFontResolutionIsReadFromItsResources)
{
    const struct {
        QByteArray resources;
        int dpi;
    } cases[] = {
        {"Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n", 192},
        {"Xft.dpi:   120", 120},
        {"Xft.antialias:\t1\nXcursor.size:\t24\n", 0},
        {"Xft.dpiScale:\t2\n*dpi:\t144\n", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.resources.constData());
        EXPECT_EQ(X11Screen::dpiFromResources(c.resources), c.dpi);
    }
}

TEST(X11Screen, TheAvailableAreaIsThePrimaryMonitorOutsideThePanels)
{
    const QRect laptop(0, 0, 1366, 768);
    const QRect projector(1366, 0, 1920, 1080);
    const struct {
        QRect monitor;
        QRect workArea;
        QRect available;
    } cases[] = {
        {projector, QRect(), projector},
        // One work area spans both monitors: each keeps only its own part of it.
        {laptop, QRect(0, 32, 3286, 1048), QRect(0, 32, 1366, 736)},
        {projector, QRect(0, 32, 3286, 1048), QRect(1366, 32, 1920, 1048)},
    };
    for (const auto& c : cases) {
        X11Screen screen;
        screen.geometry = c.monitor;
        screen.workArea = c.workArea;
        EXPECT_EQ(screen.available(), c.available);
    }
}
