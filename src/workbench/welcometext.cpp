#include "workbench/welcometext.h"

#include "workbench/workbenchfonts.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace dosarium {
namespace {

constexpr int bodyIndent = 20;
const QColor blue(0, 0, 200);

QTextCharFormat bodyFormat()
{
    QTextCharFormat format;
    format.setFontFamilies({WorkbenchFonts::text});
    format.setFontPointSize(10);
    format.setForeground(QColor(0, 0, 0));
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setVerticalAlignment(QTextCharFormat::AlignNormal);
    return format;
}

// The line breaks of a segment become paragraph separators, one character each.
QString documentText(const QString& segment)
{
    QString text = segment;
    text.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    return text;
}

// A selection that ends just after a line break does not reach the next paragraph.
void mergeParagraphs(QTextDocument& document, int start, int end, const QTextBlockFormat& format)
{
    QTextBlock block = document.findBlock(start);
    const QTextBlock last = document.findBlock(qMax(start, end - 1));
    while (block.isValid()) {
        QTextCursor(block).mergeBlockFormat(format);
        if (block == last)
            break;
        block = block.next();
    }
}

} // namespace

QList<WelcomeText::Segment> WelcomeText::segments()
{
    return {
        {QStringLiteral("Dosarium\r\n"), Title},
        {QStringLiteral("\r\nCe simulateur permet d'établir un protocole de préparation d'une "
                        "solution aqueuse à partir d'un liquide, d'un solide ou d'une solution "
                        "aqueuse concentrée.\r\n\r\n"),
         Body},
        {QStringLiteral("Pour commencer, cliquer sur un flacon et suivre les instructions "
                        "affichées à l'écran.\r\n\r\nA la fin du protocole, la "),
         Body},
        {QStringLiteral("concentration"), Emphasis},
        {QStringLiteral(" de la solution préparée sera affichée ainsi que la "), Body},
        {QStringLiteral("précision relative "), Emphasis},
        {QStringLiteral("obtenue.\r\nL'incertitude est calculée en fonction de votre\r\n"
                        "protocole :\r\n\r\n- précision de la balance : "),
         Body},
        {QStringLiteral("0,01 g\r\n\r\n"), Emphasis},
        {QStringLiteral("- précision de la verrerie : "), Body},
        {QStringLiteral("la plus petite division pour la verrerie graduée et 2 ‰ pour la "
                        "verrerie jaugée.\r\n\r\n"),
         Emphasis},
        {QStringLiteral("Vous pouvez obtenir l'énoncé d'un exercice dans cette fenêtre en "
                        "cliquant sur l'onglet "),
         Body},
        {QStringLiteral("Exercices"), Emphasis},
        {QStringLiteral("."), Body},
    };
}

void WelcomeText::build(QTextDocument& document)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(bodyFormat());
    cursor.setCharFormat(bodyFormat());

    const QList<Segment> all = segments();
    QString text;
    for (const Segment& segment : all)
        text += documentText(segment.text);
    cursor.insertText(text, bodyFormat());

    int start = 0;
    for (const Segment& segment : all) {
        const int end = start + documentText(segment.text).size();
        QTextCursor selection(&document);
        selection.setPosition(start);
        selection.setPosition(end, QTextCursor::KeepAnchor);

        QTextBlockFormat paragraph;
        if (segment.style == Title) {
            QTextCharFormat title;
            title.setFontFamilies({WorkbenchFonts::text});
            title.setFontPointSize(18);
            title.setForeground(blue);
            selection.mergeCharFormat(title);
            paragraph.setAlignment(Qt::AlignHCenter);
            paragraph.setLeftMargin(0);
        } else {
            if (segment.style == Emphasis) {
                QTextCharFormat emphasis;
                emphasis.setForeground(blue);
                selection.mergeCharFormat(emphasis);
            }
            paragraph.setLeftMargin(bodyIndent);
        }
        mergeParagraphs(document, start, end, paragraph);
        start = end;
    }
}

} // namespace dosarium
