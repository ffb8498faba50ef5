// Helpers of the RTF tests: fixtures from the source tree and runs of a document.
#pragma once

#include "qstringprinter.h"

#include <QFile>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

namespace dosarium::test {

inline QString fixturePath(const QString& name)
{
    // The source folder from the environment, else the one this test was built from.
    QString root = qEnvironmentVariable("DOSARIUM_SOURCE_DIR");
    if (root.isEmpty())
        root = QStringLiteral(DOSARIUM_RICHTEXT_SOURCE_DIR);
    return root + QStringLiteral("/tests/richtext/data/") + name;
}

inline QByteArray fixture(const QString& name)
{
    QFile file(fixturePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The text of every block, tables included, one line each; unlike toPlainText() it keeps
// non-breaking spaces and line separators.
inline QString blockText(const QTextDocument& doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines.join(u'\n');
}

struct TextRun {
    QString text;
    QTextCharFormat format;
};

// Every text fragment of the document in order, across tables.
inline QList<TextRun> runs(const QTextDocument& doc)
{
    QList<TextRun> result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid())
                result.append({it.fragment().text(), it.fragment().charFormat()});
        }
    }
    return result;
}

// The first fragment that contains `text`; an empty run when none does.
inline TextRun runWith(const QTextDocument& doc, const QString& text)
{
    for (const TextRun& run : runs(doc)) {
        if (run.text.contains(text))
            return run;
    }
    return {};
}

// The fragment just after the first one that contains `text`.
inline TextRun runAfter(const QTextDocument& doc, const QString& text)
{
    const QList<TextRun> all = runs(doc);
    for (qsizetype i = 0; i + 1 < all.size(); ++i) {
        if (all[i].text.contains(text))
            return all[i + 1];
    }
    return {};
}

// The pictures of the document in order, and the image one of them shows.
inline QList<QTextImageFormat> images(const QTextDocument& doc)
{
    QList<QTextImageFormat> result;
    for (const TextRun& run : runs(doc)) {
        if (run.format.isImageFormat())
            result.append(run.format.toImageFormat());
    }
    return result;
}

// The pictures' display sizes, in the order given.
inline void expectDisplaySizes(const QList<QTextImageFormat>& images, const QList<QSizeF>& sizes)
{
    ASSERT_EQ(images.size(), sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        EXPECT_DOUBLE_EQ(images[i].width(), sizes[i].width()) << "picture " << i;
        EXPECT_DOUBLE_EQ(images[i].height(), sizes[i].height()) << "picture " << i;
    }
}

inline QImage picture(const QTextDocument& doc, const QTextImageFormat& format)
{
    return doc.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
}

inline QTextBlock blockWith(const QTextDocument& doc, const QString& text)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return block;
    }
    return {};
}

inline QString family(const QTextCharFormat& format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? QString() : families.constFirst();
}

// The character properties the RTF codec carries, as one comparable line.
inline QString describe(const QTextCharFormat& format)
{
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        return QStringLiteral("image %1x%2").arg(image.width()).arg(image.height());
    }
    QStringList parts{family(format), QString::number(format.fontPointSize())};
    if (format.fontWeight() >= QFont::DemiBold)
        parts << "bold";
    if (format.fontItalic())
        parts << "italic";
    if (format.underlineStyle() != QTextCharFormat::NoUnderline)
        parts << QStringLiteral("underline%1").arg(int(format.underlineStyle()));
    if (format.fontStrikeOut())
        parts << "strike";
    if (format.verticalAlignment() != QTextCharFormat::AlignNormal)
        parts << QStringLiteral("vertical%1").arg(int(format.verticalAlignment()));
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << "fg" + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << "bg" + format.background().color().name();
    return parts.join(u' ');
}

inline QString describe(const QTextBlockFormat& format)
{
    return QStringLiteral("align%1 l%2 r%3 fi%4 sb%5 sa%6 page%7")
        .arg(int(format.alignment()))
        .arg(format.leftMargin())
        .arg(format.rightMargin())
        .arg(format.textIndent())
        .arg(format.topMargin())
        .arg(format.bottomMargin())
        .arg(int(format.pageBreakPolicy()));
}

// Text and character properties of every fragment, then the paragraph properties of every block.
inline QStringList describe(const QTextDocument& doc)
{
    QStringList lines;
    for (const TextRun& run : runs(doc))
        lines << run.text + " | " + describe(run.format);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        lines << block.text() + " | " + describe(block.blockFormat());
    return lines;
}

} // namespace dosarium::test
