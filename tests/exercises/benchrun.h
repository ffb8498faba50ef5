// A preparation run on a bench without a display, as opening an exercise or a saved configuration
// does, and the figures its result box shows.
#pragma once

#include "configurations/configurationcontroller.h"
#include "configurations/configurationfile.h"
#include "exercises/exercisesource.h"
#include "protocol/benchmodel.h"
#include "protocol/benchtable.h"
#include "scriptedmessageservice.h"

#include <QDir>
#include <QRegularExpression>
#include <optional>

namespace dosarium::testing {

struct BenchRun {
    QList<Message> messages;
    QString result; // the result box's text; empty when the bench refused
};

inline BenchRun runOnBench(const QString& configurationPath)
{
    ScriptedMessageService messages;
    BenchModel model(messages, QLocale(QLocale::French, QLocale::France));
    ConfigurationController(model, messages).load(configurationPath);
    return {messages.shown, model.resultDocument().toPlainText()};
}

// Through a configuration file written into `directory`; nothing when the bench cannot be set to
// the preparation.
inline std::optional<BenchRun> runOnBench(const PreparationSource& preparation,
                                          const QString& directory)
{
    const std::optional<ConfigurationValues> values = configurationFor(preparation, nullptr);
    const QString path = QDir(directory).filePath(QStringLiteral("preparation.C05"));
    if (!values || !ConfigurationFile::write(path, *values))
        return std::nullopt;
    return runOnBench(path);
}

// The sample and the flask as the texts write them: "3,42 g", "10 mL", "10,0 mL" (graduated
// pipette), "1000 mL".
inline QString frenchNumber(double value, int decimals)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(value, 'f', decimals);
}

inline QString quantity(const PreparationSource& preparation)
{
    const bench::Instrument* instrument = bench::instrumentNumbered(preparation.tool);
    if (instrument && instrument->weighs())
        return frenchNumber(preparation.mass, 2) + QStringLiteral(" g");
    const int decimals = instrument && instrument->part == bench::pipgrad ? 1 : 0;
    return frenchNumber(preparation.volume, decimals) + QStringLiteral(" mL");
}

inline QString flaskText(const PreparationSource& preparation)
{
    return frenchNumber(preparation.flask, 0) + QStringLiteral(" mL");
}

// "C = 1,00 · 10-1 mol · L-1 … : 0,5 %" read back as "1,00", -1 and "0,5".
struct ShownResult {
    QString mantissa;
    int exponent = 0;
    QString uncertainty;
};

inline std::optional<ShownResult> shownResult(const QString& resultText)
{
    static const QRegularExpression concentration(
        QStringLiteral("C = (\\d,\\d\\d)(?: \u00b7 10(-?\\d+))? mol \u00b7 L-1"));
    static const QRegularExpression uncertainty(QStringLiteral(": (\\d+,\\d) %"));
    const QRegularExpressionMatch c = concentration.match(resultText);
    const QRegularExpressionMatch u = uncertainty.match(resultText);
    if (!c.hasMatch() || !u.hasMatch())
        return std::nullopt;
    return ShownResult{c.captured(1), c.captured(2).toInt(), u.captured(1)};
}

} // namespace dosarium::testing
