#include "workbench/screenscale.h"

#include <gtest/gtest.h>

using namespace dosarium;

namespace {

struct Screen {
    QSize available;
    QMargins frame;
    double devicePixelRatio;
    double scale;
};

constexpr QMargins noFrame;
// A title bar and thin borders, as a window manager draws them.
constexpr QMargins titleBar(4, 38, 4, 4);

} // namespace

TEST(ScreenScale, LargestStepAtWhichTheFramedWindowFits)
{
    const Screen screens[] = {
        {{800, 600}, noFrame, 1.0, 1.0},
        // 1000 × 750 would fit, but the screen would become narrower than 850 scaled pixels and
        // the narrow-screen rule would pin a window it leaves alone today.
        {{1024, 768}, noFrame, 1.0, 1.0},
        {{1366, 768}, noFrame, 1.0, 1.25},
        {{1366, 768}, titleBar, 1.0, 1.0},
        {{1280, 1024}, noFrame, 1.0, 1.5},
        {{1920, 1080}, noFrame, 1.0, 1.75},
        // A panel and a window frame take their share.
        {{1920, 1040}, titleBar, 1.0, 1.5},
        {{3840, 2160}, noFrame, 1.0, 3.5},
        // Exactly 1050 high fits; one pixel less does not; the frame counts on every side.
        {{2000, 1050}, noFrame, 1.0, 1.75},
        {{2000, 1049}, noFrame, 1.0, 1.5},
        {{2000, 1100}, QMargins(0, 25, 0, 25), 1.0, 1.75},
        {{2000, 1100}, QMargins(0, 25, 0, 26), 1.0, 1.5},
        {{1700, 1300}, QMargins(50, 0, 50, 0), 1.0, 2.0},
        {{1700, 1300}, QMargins(50, 0, 51, 0), 1.0, 1.75},
        // A desktop that scales already is seen in its logical pixels and keeps its own scale.
        {{1920, 1080}, noFrame, 2.0, 1.0},
        {{3072, 1728}, noFrame, 1.25, 1.0},
        {{0, 0}, noFrame, 1.0, 1.0},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(testing::Message()
                     << screen.available.width() << " x " << screen.available.height() << " at "
                     << screen.devicePixelRatio);
        EXPECT_EQ(ScreenScale::forScreen(screen.available, screen.frame, screen.devicePixelRatio),
                  screen.scale);
    }
}
