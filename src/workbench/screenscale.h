// The one scale of a run: how large a logical pixel is drawn so that the workbench fills the
// screen.
#pragma once

#include <QMargins>
#include <QSize>

namespace dosarium {

class ScreenScale {
  public:
    static constexpr double step = 0.25;

    // The largest step from 1 at which the 800 × 600 window and its frame fit the available area
    // and the screen, in scaled pixels, stays wide enough for the narrow-screen rule to leave the
    // window alone. A desktop that already scales (a ratio other than 1) has chosen the size of
    // its pixels: the program keeps it.
    static double forScreen(const QSize& available, const QMargins& frame, double devicePixelRatio);
};

} // namespace dosarium
