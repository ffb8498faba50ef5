// The workbench's painted colours and the rule that pins it on narrow screens.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <optional>

namespace dosarium {

class WindowGeometry {
  public:
    static constexpr QSize designedSize{800, 600};
    static constexpr int narrowScreenLimit = 850;

    // On a screen narrower than the limit the window is forced back to 800 × 600, centred.
    static std::optional<QRect> narrowScreenGeometry(const QSize& screen);

    // Line y of the window's background gradient, 0 to 600.
    static QColor backgroundLine(int y);
    // Line y of the cupboard gradient for a cupboard of the given height.
    static QColor cupboardLine(int y, int height);

    // Nearest integer, halves to even.
    static int roundHalfEven(double value);
};

} // namespace dosarium
