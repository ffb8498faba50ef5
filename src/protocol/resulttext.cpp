#include "protocol/resulttext.h"

#include "protocol/benchnumbers.h"
#include "protocol/protocoltexts.h"
#include "protocol/resultwriting.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextFrameFormat>

namespace dosarium::resulttext {
namespace {

QTextCharFormat charFormat(double pointSize, bool raised, bool bold)
{
    QTextCharFormat format;
    format.setFontFamilies({fontFamily});
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor(0, 0, 0));
    format.setBaselineOffset(raised ? raisedOffset : 0.0);
    return format;
}

QTextBlockFormat blockFormat(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setLeftMargin(paragraphIndent);
    return format;
}

struct Formats {
    QTextCharFormat normal = charFormat(normalPointSize, false, false);
    QTextCharFormat raised = charFormat(raisedPointSize, true, false);
};

// The result box keeps a text document's usual margin; the box of the lines that follow it, up to
// three lines in a low box, a thinner one.
constexpr double resultMargin = 4.0;
constexpr double writingMargin = 2.0;

// A white page in Arial, as the result box is.
void startDocument(QTextDocument& document, double margin)
{
    document.clear();
    document.setDefaultFont(QFont(fontFamily, int(normalPointSize)));
    document.setDocumentMargin(margin);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setBackground(QColor(255, 255, 255));
    document.rootFrame()->setFrameFormat(frame);
}

// Digits, the power of ten they share when there is one, and the unit with its raised "-1".
void insertQuantity(QTextCursor& cursor, const Formats& f, const QString& digits, int exponent,
                    const QString& unit)
{
    cursor.insertText(digits, f.normal);
    if (exponent != 0) {
        cursor.insertText(texts::resultPowerOfTen, f.normal);
        cursor.insertText(QString::number(exponent), f.raised);
    }
    cursor.insertText(unit, f.normal);
    cursor.insertText(texts::resultUnitExponent, f.raised);
}

} // namespace

void write(QTextDocument& document, const QString& reagentPhrase,
           const std::optional<PreparationResult>& result, const QLocale& locale)
{
    startDocument(document, resultMargin);

    const QTextCharFormat normal = charFormat(normalPointSize, false, false);
    const QTextCharFormat emphasised = charFormat(normalPointSize, false, true);
    const QTextCharFormat raised = charFormat(raisedPointSize, true, false);

    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat(Qt::AlignLeft));
    cursor.insertText(texts::resultOpening + reagentPhrase, normal);
    cursor.insertBlock(blockFormat(Qt::AlignLeft), normal);
    cursor.insertBlock(blockFormat(Qt::AlignHCenter), normal);
    cursor.insertText(texts::resultC, emphasised);
    if (!result)
        return;

    const benchnumbers::Scientific c = benchnumbers::scientific(
        result->concentration,
        result->singlePrecision ? benchnumbers::singleDigits : benchnumbers::doubleDigits, locale);
    cursor.insertText(c.mantissa, normal);
    if (c.exponent != 0) {
        cursor.insertText(texts::resultPowerOfTen, normal);
        cursor.insertText(QString::number(c.exponent), raised);
    }
    cursor.insertText(texts::resultUnit, normal);
    cursor.insertText(texts::resultUnitExponent, raised);

    cursor.insertBlock(blockFormat(Qt::AlignLeft), normal);
    cursor.insertBlock(blockFormat(Qt::AlignLeft), normal);
    cursor.insertText(texts::resultUncertainty, normal);
    cursor.insertText(benchnumbers::hundredthsWithOneDecimal(result->uncertainty, locale) +
                          QStringLiteral(" %"),
                      normal);
}

void writeMassConcentrationAndWriting(QTextDocument& document, const PreparationResult& result,
                                      int reagentIndex, const QLocale& locale)
{
    startDocument(document, writingMargin);
    const std::optional<double> cm = resultwriting::massConcentration(result, reagentIndex);
    if (!cm)
        return;
    const int digits = resultwriting::significantDigits(result);
    const double relative = resultwriting::shownRelativeUncertainty(result);
    const resultwriting::Written cmFigures = resultwriting::threeFigures(*cm, digits, locale);
    // C shares the power of ten the bench shows it with.
    const int cExponent = benchnumbers::scientific(result.concentration, digits, locale).exponent;

    const Formats f;
    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat(Qt::AlignLeft));
    cursor.insertText(texts::resultMassConcentration, f.normal);
    insertQuantity(cursor, f, cmFigures.digits, cmFigures.exponent, texts::resultMassUnit);

    cursor.insertBlock(blockFormat(Qt::AlignLeft), f.normal);
    cursor.insertText(texts::resultWriting + texts::resultWritingC, f.normal);
    insertQuantity(
        cursor, f,
        resultwriting::withUncertainty(result.concentration, relative, cExponent, digits, locale),
        cExponent, texts::resultUnit);
    cursor.insertText(texts::resultWritingCm, f.normal);
    insertQuantity(
        cursor, f,
        resultwriting::withUncertainty(*cm, relative, cmFigures.exponent, digits, locale),
        cmFigures.exponent, texts::resultMassUnit);
}

void appendMotherSolution(QTextDocument& document, const PreparationResult& result,
                          const MotherSolution& mother, const QLocale& locale)
{
    const Formats f;
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(blockFormat(Qt::AlignLeft), f.normal);
    cursor.insertText(texts::resultMotherSolution, f.normal);
    const benchnumbers::Scientific c =
        benchnumbers::scientific(mother.concentration, benchnumbers::doubleDigits, locale);
    insertQuantity(cursor, f, c.mantissa, c.exponent, texts::resultUnit);
    // The sum in hundredths of a percent, as it is made: tenths rounded apart would not add up.
    const auto percent = [&locale](int hundredths) {
        return locale.toString(hundredths / 100.0, 'f', 2);
    };
    cursor.insertText(texts::resultMotherUncertainties.arg(
                          benchnumbers::hundredthsWithOneDecimal(mother.uncertainty, locale),
                          percent(result.computedUncertainty - result.motherUncertainty),
                          percent(result.motherUncertainty), percent(result.computedUncertainty)),
                      f.normal);
}

} // namespace dosarium::resulttext
