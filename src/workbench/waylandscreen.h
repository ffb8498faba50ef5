// What the Wayland compositor says about the screen the workbench opens on, asked before Qt
// connects.
#pragma once

#include <QSize>
#include <optional>

namespace dosarium {

struct WaylandScreen {
    // The first output the compositor announces, which Qt makes its primary screen, in the
    // compositor's pixels.
    QSize size;
    // How many of those pixels one of Qt's takes: more than 1 on a desktop that already scales.
    int scale = 1;

    // Nothing when no compositor answers at WAYLAND_DISPLAY or it announces no output.
    static std::optional<WaylandScreen> read();
};

} // namespace dosarium
