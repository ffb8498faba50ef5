#include "workbench/waylandscreen.h"

#include <cstring>
#include <memory>
#include <wayland-client.h>

namespace dosarium {
namespace {

struct Output {
    wl_output* output = nullptr;
    QSize mode;
    int transform = WL_OUTPUT_TRANSFORM_NORMAL;
    int scale = 1;
};

void geometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
              const char*, int32_t transform)
{
    static_cast<Output*>(data)->transform = transform;
}

void mode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    if (flags & WL_OUTPUT_MODE_CURRENT)
        static_cast<Output*>(data)->mode = QSize(width, height);
}

void done(void*, wl_output*) {}

void scale(void* data, wl_output*, int32_t factor)
{
    static_cast<Output*>(data)->scale = factor;
}

const wl_output_listener outputListener = {geometry, mode, done, scale, nullptr, nullptr};

// Binds the first output announced; version 2 is the first that tells its scale.
void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t version)
{
    auto* output = static_cast<Output*>(data);
    if (output->output || std::strcmp(interface, wl_output_interface.name) != 0 || version < 2)
        return;
    output->output =
        static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
    wl_output_add_listener(output->output, &outputListener, output);
}

void globalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemove};

} // namespace

std::optional<WaylandScreen> WaylandScreen::read()
{
    const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(
        wl_display_connect(nullptr), &wl_display_disconnect);
    if (!display)
        return std::nullopt;
    Output output;
    wl_registry* registry = wl_display_get_registry(display.get());
    wl_registry_add_listener(registry, &registryListener, &output);
    // The first round trip lists the globals, the second brings the output's description.
    const bool answered =
        wl_display_roundtrip(display.get()) >= 0 && wl_display_roundtrip(display.get()) >= 0;
    if (output.output)
        wl_output_destroy(output.output);
    wl_registry_destroy(registry);
    if (!answered || output.mode.isEmpty() || output.scale < 1)
        return std::nullopt;
    // A quarter turn swaps the sides; the pixels Qt counts are the compositor's over the scale.
    const bool turned = output.transform % 2 == 1;
    const QSize size = turned ? output.mode.transposed() : output.mode;
    return WaylandScreen{size / output.scale, output.scale};
}

} // namespace dosarium
