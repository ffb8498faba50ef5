// Listing a crowded, hostile folder: 10 000 files with spaces, accents, newlines and bytes that
// are not UTF-8, an unreadable subfolder and a symbolic link loop.
#include "configurations/locationlistsmodel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace dosarium;

namespace {

void fillHostileFolder(const QString& path, int count)
{
    const QByteArray folder = QFile::encodeName(path);
    for (int i = 0; i < count; ++i) {
        QByteArray name;
        switch (i % 4) {
        case 0:
            name = "préparation n° " + QByteArray::number(i) + ".C05";
            break;
        case 1:
            name = "ligne\nsuivante " + QByteArray::number(i) + ".c05";
            break;
        case 2:
            name = "octets \xff\xfe " + QByteArray::number(i) + ".C05";
            break;
        default:
            name = "autre " + QByteArray::number(i) + ".txt";
            break;
        }
        const int fd = ::open((folder + '/' + name).constData(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            ::close(fd);
    }
    ::mkdir((folder + "/fermé").constData(), 0);
    ::symlink(".", (folder + "/boucle").constData());
}

void BM_ListHostileFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    fillHostileFolder(dir.path(), static_cast<int>(state.range(0)));
    const auto drives = LocationListsModel::mountedDrives();
    for (auto _ : state) {
        LocationListsModel lists(drives, dir.path(), QStringLiteral("*.C05"));
        benchmark::DoNotOptimize(lists.files());
        benchmark::DoNotOptimize(lists.directoryEntries());
    }
}

} // namespace

BENCHMARK(BM_ListHostileFolder)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
