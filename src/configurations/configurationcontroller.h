// Saving the preparation to `configPath` and loading it back by replaying it on the bench.
#pragma once

#include "configurations/configurationfile.h"

#include <QString>
#include <functional>

namespace dosarium {

class MessageService;
class PreparationBench;

class ConfigurationController {
  public:
    // What loading does to the open window while it is showing: draw its notice, then hide it.
    struct OpenWindowHooks {
        std::function<bool()> isShowing;
        std::function<void()> repaint;
        std::function<void()> hide;
        std::function<void()> repaintWorkbench;
    };

    ConfigurationController(PreparationBench& bench, MessageService& messages);

    const QString& configPath() const { return m_configPath; }
    void setConfigPath(const QString& path) { m_configPath = path; }
    void setOpenWindowHooks(OpenWindowHooks hooks) { m_openWindow = std::move(hooks); }

    // The values the bench holds now, as a file would store them.
    ConfigurationValues currentValues() const;

    // Writes the preparation to `configPath`; on success the caption names the file, on
    // failure the message has been shown and the caption is unchanged.
    bool saveConfiguration();
    // Resets the bench, reads `configPath` and replays the preparation; reports its own
    // failures. Never creates nor changes the file.
    void loadConfiguration();

    static QString captionFor(const QString& path);

    // The handlers loading runs once the file is read and checked, on a bench just reset that
    // already holds the values' reagent and mass.
    void replay(const ConfigurationValues& values);

  private:
    PreparationBench& m_bench;
    MessageService& m_messages;
    OpenWindowHooks m_openWindow;
    QString m_configPath;
};

} // namespace dosarium
