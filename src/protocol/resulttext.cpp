#include "protocol/resulttext.h"

#include "protocol/benchnumbers.h"
#include "protocol/protocoltexts.h"

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

} // namespace

void write(QTextDocument& document, const QString& reagentPhrase,
           const std::optional<PreparationResult>& result, const QLocale& locale)
{
    document.clear();
    document.setDefaultFont(QFont(fontFamily, int(normalPointSize)));
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setBackground(QColor(255, 255, 255));
    document.rootFrame()->setFrameFormat(frame);

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

} // namespace dosarium::resulttext
