// The reader against a compositor of the test's own, on a private socket, that announces outputs
// as a desktop would.
#include "workbench/waylandscreen.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <wayland-server.h>

using namespace dosarium;

namespace {

struct Announced {
    QSize mode;
    int transform;
    int scale;
};

void bindOutput(wl_client* client, void* data, uint32_t version, uint32_t id)
{
    const auto& output = *static_cast<const Announced*>(data);
    wl_resource* resource = wl_resource_create(client, &wl_output_interface, int(version), id);
    wl_output_send_geometry(resource, 0, 0, 520, 290, WL_OUTPUT_SUBPIXEL_UNKNOWN, "", "",
                            output.transform);
    wl_output_send_mode(resource, WL_OUTPUT_MODE_PREFERRED, 640, 480, 60000);
    wl_output_send_mode(resource, WL_OUTPUT_MODE_CURRENT, output.mode.width(), output.mode.height(),
                        60000);
    wl_output_send_scale(resource, output.scale);
    wl_output_send_done(resource);
}

class Compositor {
  public:
    explicit Compositor(const std::vector<Announced>& outputs) : m_outputs(outputs)
    {
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        m_display = wl_display_create();
        qputenv("WAYLAND_DISPLAY", wl_display_add_socket_auto(m_display));
        for (Announced& output : m_outputs)
            wl_global_create(m_display, &wl_output_interface, 2, &output, bindOutput);
        m_thread = std::thread([this] { wl_display_run(m_display); });
    }
    ~Compositor()
    {
        wl_display_terminate(m_display);
        m_thread.join();
        wl_display_destroy(m_display);
        qunsetenv("WAYLAND_DISPLAY");
    }

  private:
    QTemporaryDir m_runtime;
    std::vector<Announced> m_outputs;
    wl_display* m_display = nullptr;
    std::thread m_thread;
};

} // namespace

TEST(WaylandScreen, TheFirstOutputIsReadInThePixelsQtCounts)
{
    const struct {
        std::vector<Announced> outputs;
        QSize size;
        int scale;
    } cases[] = {
        {{{{1920, 1080}, WL_OUTPUT_TRANSFORM_NORMAL, 1}, {{1024, 768}, 0, 1}}, {1920, 1080}, 1},
        {{{{3840, 2160}, WL_OUTPUT_TRANSFORM_NORMAL, 2}}, {1920, 1080}, 2},
        // A screen turned a quarter, as a portrait monitor is.
        {{{{1920, 1080}, WL_OUTPUT_TRANSFORM_90, 1}}, {1080, 1920}, 1},
        {{{{1920, 1080}, WL_OUTPUT_TRANSFORM_FLIPPED_270, 1}}, {1080, 1920}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << " x " << c.size.height());
        const Compositor compositor(c.outputs);
        const std::optional<WaylandScreen> screen = WaylandScreen::read();
        ASSERT_TRUE(screen);
        EXPECT_EQ(screen->size, c.size);
        EXPECT_EQ(screen->scale, c.scale);
    }
}

TEST(WaylandScreen, NothingIsReadWithoutACompositorOrAnOutput)
{
    {
        const Compositor compositor(std::vector<Announced>{});
        EXPECT_FALSE(WaylandScreen::read());
    }
    qputenv("WAYLAND_DISPLAY", "no-compositor-here");
    EXPECT_FALSE(WaylandScreen::read());
    qunsetenv("WAYLAND_DISPLAY");
}
