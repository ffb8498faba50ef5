// Reading and writing statement-like RTF of 1 MB and 10 MB.
// `bench_rtfreader --write DIR` writes the two files into DIR (for comparisons with other tools)
// and stops; otherwise the benchmarks run.
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

const char* const sentences[] = {
    "On pr\\'e9pare {\\b 100,0 mL} d'une solution aqueuse de sulfate de cuivre "
    "{\\cf2 CuSO{\\sub 4}} de concentration {\\i C} = 1,0.10{\\super -2} mol.L{\\super -1}. ",
    "La masse molaire du glucose C{\\sub 6}H{\\sub 12}O{\\sub 6} vaut {\\b 180 g.mol{\\super "
    "-1}}\\~; on en p\\'e8se 1,80 g \\'e0 la balance. ",
    "{\\i Pr\\'e9lever} \\'e0 la pipette jaug\\'e9e un volume {\\ul V{\\sub 0}} de la solution "
    "m\\'e8re, puis compl\\'e9ter jusqu'au trait de jauge avec de l'eau distill\\'e9e. ",
    "Quelle est l'incertitude relative sur la concentration obtenue\\~? Justifier "
    "\\ldblquote simplement\\rdblquote  \\emdash  en \\u8364? comme en \\u945?. ",
    "\\tab {\\f1\\fs24 Donn\\'e9es :} \\bullet  masse volumique de l'\\'e9thanol {\\b 0,79 "
    "g.mL{\\super -1}}\\line \\bullet  pr\\'e9cision de la fiole : \\'b1 0,08 mL. ",
};

QByteArray statement(qsizetype size)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fswiss"
                     "\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}\n"
                     "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
                     "\\viewkind4\\uc1\\pard\\lang1036\\f0\\fs20 ";
    rtf.reserve(size + 4096);
    int paragraph = 0;
    while (rtf.size() < size) {
        ++paragraph;
        if (paragraph % 20 == 1) {
            rtf += "\\pard\\qc\\sb240\\sa120{\\b\\f1\\fs32 Exercice " +
                   QByteArray::number(paragraph / 20 + 1) + " : pr\\'e9paration}\\par\n";
        }
        rtf += paragraph % 3 == 0 ? "\\pard\\qj\\li360\\fi-360 " : "\\pard\\qj ";
        for (int i = 0; i < 4; ++i)
            rtf += sentences[(paragraph + i) % std::size(sentences)];
        rtf += "\\par\n";
    }
    rtf += "}\n";
    return rtf;
}

const QByteArray& data(int megabytes)
{
    static const QByteArray one = statement(1 << 20);
    static const QByteArray ten = statement(10 << 20);
    return megabytes == 1 ? one : ten;
}

void readRtf(benchmark::State& state)
{
    const QByteArray& rtf = data(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument doc;
        if (!dosarium::RtfReader::read(rtf, &doc))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void writeRtf(benchmark::State& state)
{
    QTextDocument doc;
    dosarium::RtfReader::read(data(int(state.range(0))), &doc);
    for (auto _ : state) {
        const QByteArray rtf = dosarium::RtfWriter::write(doc);
        benchmark::DoNotOptimize(rtf.size());
    }
}

BENCHMARK(readRtf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(writeRtf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        const QDir dir(QString::fromLocal8Bit(argv[2]));
        for (const int megabytes : {1, 10}) {
            QFile file(dir.filePath(QStringLiteral("statement-%1MB.rtf").arg(megabytes)));
            if (!file.open(QIODevice::WriteOnly) || file.write(data(megabytes)) < 0)
                return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
