// Times the rack's window with ten tubes and an unknown, and the spectrophotometer's window with
// its curve, from the command to their first paint: the first opening of the run (the colour tables
// are read then) and the median of the following ones. The command comes from a window already on
// screen, as the program's own is when a student gives it, so the first opening does not count the
// font system's start that the program's first window has paid. Usage: rack_open_probe [RUNS]
#include "protocol/benchmodel.h"
#include "rack/rackcommands.h"
#include "rack/rackwindow.h"
#include "rack/spectrophotometerwindow.h"
#include "ui/messageservice.h"
#include "ui/textdialogs.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace dosarium;

namespace {

class NoDialogs : public TextDialogs {
  public:
    std::optional<QString> saveFileName(const FileFilter&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const FileFilter&, const QString&) override { return {}; }
    QPagedPaintDevice* choosePrinter(const QString&) override { return nullptr; }
};

class NoMessages : public MessageService {
  public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

// Shows a window and waits until the widget `painted` (or the window) has been painted.
class PaintWatch : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void showUntilPainted(QWidget& window, QWidget& painted)
{
    PaintWatch watch;
    painted.installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    painted.removeEventFilter(&watch);
}

double openOnce(RackCommands& commands, const BenchModel& bench, TextDialogs& dialogs)
{
    QElapsedTimer timer;
    timer.start();
    RackWindow rack(commands, bench, dialogs);
    showUntilPainted(rack, rack);
    SpectrophotometerWindow spectro(commands.rack(), &rack);
    showUntilPainted(spectro, *spectro.chartView()->viewport());
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    NoMessages messages;
    NoDialogs dialogs;
    BenchModel bench(messages);
    RackModel rack;
    RackContent content;
    for (int i = 1; i <= 10; ++i)
        content.tubes.push_back(Tube{std::nullopt, 7, 0.02 * i, 0.012, QStringLiteral("placard")});
    content.unknown = UnknownSolution{7, 0.083};
    rack.restore(content);
    RackCommands commands(rack, messages, dialogs);

    // Stands for the program's window that gives the command: it has shown text, nothing more.
    QLabel launcher(QStringLiteral("Échelle de teintes…"));
    showUntilPainted(launcher, launcher);

    const double first = openOnce(commands, bench, dialogs);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(openOnce(commands, bench, dialogs));
    std::sort(times.begin(), times.end());
    std::printf("rack of 10 tubes with its curve, command to painted windows: first %.1f ms, "
                "median of %d %.1f ms, slowest %.1f ms\n",
                first, runs, times[times.size() / 2], times.back());
    return 0;
}
