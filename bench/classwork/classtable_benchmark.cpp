// A class's table from a folder of hand-ins: 35 files, a class, and 1 000, a year's classes. The
// files are saved preparations of every kind, with a foreign and a truncated file among them.
#include "classwork/classtablefill.h"
#include "configurations/configurationload.h"
#include "guibenchmarkmain.h"
#include "preparations.h"
#include "protocol/benchnumbers.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace dosarium;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every tenth file is foreign and every tenth, shifted by five, is cut short.
bool fillFolder(const QString& folder, int count)
{
    const Preparation* kinds[] = {&test::aceticAcidWithTheVolumetricPipette,
                                  &test::ethanolWeighed,
                                  &test::ethanolWithTheCylinder,
                                  &test::glucoseWeighed,
                                  &test::permanganateWithTheGraduatedPipette,
                                  &test::hydrochloricAcidWithTheFlaskRefused};
    for (int i = 0; i < count; ++i) {
        const QByteArray saved =
            ConfigurationFile::encode(configurationValues(*kinds[i % std::size(kinds)]));
        const QByteArray bytes = i % 10 == 3   ? QByteArray("Notes de la classe\n").repeated(64)
                                 : i % 10 == 8 ? saved.left(500)
                                               : saved;
        if (!writeFile(QStringLiteral("%1/eleve-%2.C05").arg(folder).arg(i, 4, 10, QChar('0')),
                       bytes))
            return false;
    }
    return true;
}

void BM_ClassTable(benchmark::State& state)
{
    QTemporaryDir dir;
    const int count = int(state.range(0));
    const QString correctionPath = dir.filePath(QStringLiteral("corrige.C05.ref"));
    if (!fillFolder(dir.path(), count) ||
        !writeFile(correctionPath, ConfigurationFile::encode(configurationValues(
                                       test::aceticAcidWithTheVolumetricPipette)))) {
        state.SkipWithError("the folder could not be filled");
        return;
    }
    const QLocale french = benchnumbers::frenchNumbers();
    int rows = 0;
    for (auto _ : state) {
        // As the window does: the correction replayed once, then every file of the folder.
        const ConfigurationTrial correction = tryConfiguration(correctionPath, french);
        ClassTableModel table;
        rows = fillClassTable(table, handInFiles(dir.path()), correction, french,
                              [](int) { return true; });
        benchmark::DoNotOptimize(table.summary());
    }
    if (rows != count)
        state.SkipWithError("a file gave no row");
    state.counters["files"] = count;
}

} // namespace

BENCHMARK(BM_ClassTable)->Arg(35)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return benchmarks::runUnderGuiApplication(argc, argv);
}
