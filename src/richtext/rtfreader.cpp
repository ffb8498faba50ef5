#include "richtext/rtfreader.h"

#include "codepage/windows1252.h"
#include "richtext/codepage.h"
#include "richtext/rtfkeywords.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

namespace dosarium {

namespace {

// Twips (1/1440 inch) to document pixels at 96 dots per inch.
constexpr double twipsPerPixel = 15.0;
constexpr int defaultHalfPoints = 24;
constexpr int maxUnicodeSkip = 16;
// Lengths beyond 22 inches are cut: no page is that wide.
constexpr int maxTwips = 31680;

enum class Destination : quint8 { Text, Skip, FontTable, ColorTable, Picture };

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = defaultHalfPoints;
    int foreground = 0; // colour table index, 0 is automatic
    int background = 0;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool hidden = false;
    QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    bool operator==(const CharState&) const = default;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int left = 0; // twips
    int right = 0;
    int firstLine = 0;
    int before = 0;
    int after = 0;
    bool inTable = false;
    bool pageBreakBefore = false;
};

struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
};

enum class PictureType : quint8 { None, Png, Jpeg, Other };

struct Picture {
    PictureType type = PictureType::None;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
    QByteArray data;
    int highNibble = -1;
    bool tooLarge = false;
};

using rtf::Word;
using rtf::words;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Parser {
  public:
    Parser(QByteArrayView rtf, QTextCursor& cursor, bool replacing)
        : m_pos(rtf.data()), m_end(rtf.data() + rtf.size()), m_cursor(cursor),
          m_replacing(replacing)
    {}

    void run();

  private:
    // tokens
    void parseControl();
    void handleWord(std::string_view name, int param, bool hasParam);
    void handleText(const char* begin, const char* end);
    void handleByte(char byte);
    void skipBinary(qint64 count);
    bool takeFallback();

    // groups
    void pushGroup();
    bool popGroup();
    bool ignoring() const { return m_overflow > 0 || m_state.destination == Destination::Skip; }

    // text
    void prepareForContent();
    void appendCharacter(char16_t ch);
    void decodeBytes();
    void flushText();
    QTextCharFormat charFormat(const CharState& state);
    QTextBlockFormat blockFormat() const;
    int codePageOf(const CharState& state) const;
    QStringDecoder& decoder(int codePage);

    // structure
    void endParagraph();
    void applyBlockFormat();
    void insertBlock();
    void ensureTableContext(bool wantTable);
    void openTable();
    void closeTable();
    void enterCell();
    void endCell();
    void endRow();

    // tables of the header
    void commitFont();
    void commitColor();

    // pictures
    void appendPictureHex(const char* begin, const char* end);
    void finishPicture();

    const char* m_pos;
    const char* m_end;
    QTextCursor& m_cursor;
    bool m_replacing;

    std::vector<GroupState> m_stack;
    GroupState m_state;
    int m_overflow = 0;
    bool m_starPending = false;
    // Characters still to skip after \uN: the fallback for readers without Unicode.
    int m_skipCount = 0;

    int m_documentCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontNumber = -1;
    int m_fontCodePage = 0;
    QString m_fontName;
    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    std::map<int, QStringDecoder> m_decoders;

    QByteArray m_bytes;
    QString m_text;
    CharState m_textState;
    bool m_haveFormat = false;
    CharState m_formatState;
    QTextCharFormat m_format;

    bool m_pendingBreak = false;
    bool m_createdBlock = false;
    int m_pageBreakBlock = -1;

    QTextTable* m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_rowDone = false;
    bool m_inCell = false;
    std::vector<int> m_cellBoundaries;

    Picture m_picture;
    int m_pictureCount = 0;
};

void Parser::run()
{
    while (m_pos < m_end) {
        const char c = *m_pos;
        switch (c) {
        case '{':
            ++m_pos;
            pushGroup();
            break;
        case '}':
            ++m_pos;
            if (!popGroup()) {
                m_pos = m_end;
            }
            break;
        case '\\':
            ++m_pos;
            parseControl();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default: {
            const char* begin = m_pos;
            while (m_pos < m_end && *m_pos != '\\' && *m_pos != '{' && *m_pos != '}' &&
                   *m_pos != '\r' && *m_pos != '\n')
                ++m_pos;
            if (!ignoring())
                handleText(begin, m_pos);
            break;
        }
        }
    }
    // Groups left open by a truncated file end here.
    while (!m_stack.empty() && popGroup()) {
    }
    flushText();
    if (m_table && !m_pendingBreak && !m_state.paragraph.inTable)
        closeTable();
    if (m_pendingBreak) {
        // The last \par ends the last paragraph; inserted text keeps what followed the cursor.
        if (!m_replacing && !m_cursor.atBlockEnd())
            insertBlock();
    } else if (m_replacing || m_createdBlock) {
        applyBlockFormat();
    }
}

void Parser::parseControl()
{
    if (m_pos >= m_end)
        return;
    const char c = *m_pos;
    if (isLetter(c)) {
        const char* nameBegin = m_pos;
        while (m_pos < m_end && isLetter(*m_pos))
            ++m_pos;
        const std::string_view name(nameBegin, std::min<qsizetype>(m_pos - nameBegin, 32));
        bool negative = false;
        bool hasParam = false;
        qint64 value = 0;
        if (m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_end && isDigit(*m_pos)) {
            hasParam = true;
            if (value < 100000000000LL)
                value = value * 10 + (*m_pos - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        value = std::clamp<qint64>(value, -2147483647LL, 2147483647LL);
        if (m_pos < m_end && *m_pos == ' ')
            ++m_pos;
        if (name == "bin") {
            skipBinary(hasParam ? value : 0);
            return;
        }
        if (ignoring()) {
            m_starPending = false;
            return;
        }
        handleWord(name, int(value), hasParam);
        return;
    }

    ++m_pos;
    if (ignoring()) {
        if (c == '\'' && m_end - m_pos >= 2)
            m_pos += 2;
        return;
    }
    if (c == '*') {
        m_starPending = true;
        return;
    }
    if (c == '\'') {
        if (m_end - m_pos < 2) {
            m_pos = m_end;
            return;
        }
        const int high = hexValue(m_pos[0]);
        const int low = hexValue(m_pos[1]);
        if (high < 0 || low < 0)
            return;
        m_pos += 2;
        if (!takeFallback())
            handleByte(char(high * 16 + low));
        return;
    }
    if (takeFallback())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        handleByte(c);
        break;
    case '~':
        appendCharacter(0x00A0);
        break;
    case '-':
        appendCharacter(0x00AD);
        break;
    case '_':
        appendCharacter(0x2011);
        break;
    case '\r':
    case '\n':
        if (m_state.destination == Destination::Text)
            endParagraph();
        break;
    case '\t':
        appendCharacter(u'\t');
        break;
    default:
        break;
    }
}

void Parser::skipBinary(qint64 count)
{
    count = std::clamp<qint64>(count, 0, m_end - m_pos);
    if (m_overflow == 0 && m_state.destination == Destination::Picture) {
        if (m_picture.data.size() + count > RtfReader::maxPictureBytes)
            m_picture.tooLarge = true;
        else
            m_picture.data.append(m_pos, count);
    }
    m_pos += count;
    takeFallback();
}

// A byte, an escape, a control word or a binary run each count as one fallback character.
bool Parser::takeFallback()
{
    if (m_skipCount == 0)
        return false;
    --m_skipCount;
    return true;
}

void Parser::handleWord(std::string_view name, int param, bool hasParam)
{
    const auto found = words().find(name);
    if (m_starPending) {
        m_starPending = false;
        if (found == words().end() || found->second.word != Word::TransparentDestination) {
            m_state.destination = Destination::Skip;
            return;
        }
    }
    if (takeFallback() || found == words().end())
        return;
    const bool on = !hasParam || param != 0;
    CharState& chars = m_state.chars;
    ParagraphState& paragraph = m_state.paragraph;

    // A group the reader does not show, anywhere but in the colour table.
    if (found->second.word == Word::SkipDestination &&
        m_state.destination != Destination::ColorTable) {
        m_state.destination = Destination::Skip;
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        switch (found->second.word) {
        case Word::Font:
            commitFont();
            m_fontNumber = param;
            return;
        case Word::Charset:
            m_fontCodePage = codepage::forCharset(param);
            return;
        case Word::FontCodePage:
            m_fontCodePage = param;
            return;
        case Word::Unicode:
            m_fontName.append(QChar(char16_t(param < 0 ? param + 65536 : param)));
            m_skipCount = m_state.unicodeSkip;
            return;
        case Word::UnicodeSkip:
            m_state.unicodeSkip = std::clamp(param, 0, maxUnicodeSkip);
            return;
        default:
            return;
        }
    }
    if (m_state.destination == Destination::ColorTable) {
        switch (found->second.word) {
        case Word::Red:
            m_red = std::clamp(param, 0, 255);
            return;
        case Word::Green:
            m_green = std::clamp(param, 0, 255);
            return;
        case Word::Blue:
            m_blue = std::clamp(param, 0, 255);
            return;
        default:
            return;
        }
    }
    if (m_state.destination == Destination::Picture) {
        switch (found->second.word) {
        case Word::PngBlip:
            m_picture.type = PictureType::Png;
            return;
        case Word::JpegBlip:
            m_picture.type = PictureType::Jpeg;
            return;
        case Word::OtherBlip:
            m_picture.type = PictureType::Other;
            return;
        case Word::PictureWidthGoal:
            m_picture.goalWidth = param;
            return;
        case Word::PictureHeightGoal:
            m_picture.goalHeight = param;
            return;
        case Word::PictureScaleX:
            m_picture.scaleX = param;
            return;
        case Word::PictureScaleY:
            m_picture.scaleY = param;
            return;
        default:
            return;
        }
    }

    switch (found->second.word) {
    case Word::TransparentDestination:
        break;
    case Word::FontTable:
        m_state.destination = Destination::FontTable;
        m_fontNumber = -1;
        break;
    case Word::ColorTable:
        m_state.destination = Destination::ColorTable;
        break;
    case Word::Pict:
        m_state.destination = Destination::Picture;
        m_picture = Picture();
        break;
    case Word::Ansi:
        m_documentCodePage = 1252;
        break;
    case Word::Mac:
        m_documentCodePage = 10000;
        break;
    case Word::Pc:
        m_documentCodePage = 437;
        break;
    case Word::Pca:
        m_documentCodePage = 850;
        break;
    case Word::AnsiCodePage:
        m_documentCodePage = param;
        break;
    case Word::DefaultFont:
        m_defaultFont = param;
        break;
    case Word::UnicodeSkip:
        m_state.unicodeSkip = std::clamp(param, 0, maxUnicodeSkip);
        break;
    case Word::Unicode:
        appendCharacter(char16_t(param < 0 ? param + 65536 : param));
        m_skipCount = m_state.unicodeSkip;
        break;
    case Word::Plain: {
        chars = CharState();
        break;
    }
    case Word::Font:
        chars.font = param;
        break;
    case Word::FontSize:
        chars.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : defaultHalfPoints;
        break;
    case Word::Bold:
        chars.bold = on;
        break;
    case Word::Italic:
        chars.italic = on;
        break;
    case Word::Underline:
        chars.underline = on ? found->second.underline : QTextCharFormat::NoUnderline;
        break;
    case Word::Strike:
        chars.strike = on;
        break;
    case Word::Shift:
        chars.vertical = on ? found->second.vertical : QTextCharFormat::AlignNormal;
        break;
    case Word::ForegroundColor:
        chars.foreground = std::max(param, 0);
        break;
    case Word::BackgroundColor:
        chars.background = std::max(param, 0);
        break;
    case Word::Hidden:
        chars.hidden = on;
        break;
    case Word::ParagraphDefault:
        paragraph = ParagraphState();
        break;
    case Word::AlignLeft:
        paragraph.alignment = Qt::AlignLeft;
        break;
    case Word::AlignCenter:
        paragraph.alignment = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        paragraph.alignment = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        paragraph.alignment = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        paragraph.left = std::clamp(param, -maxTwips, maxTwips);
        break;
    case Word::RightIndent:
        paragraph.right = std::clamp(param, -maxTwips, maxTwips);
        break;
    case Word::FirstLineIndent:
        paragraph.firstLine = std::clamp(param, -maxTwips, maxTwips);
        break;
    case Word::SpaceBefore:
        paragraph.before = std::clamp(param, 0, maxTwips);
        break;
    case Word::SpaceAfter:
        paragraph.after = std::clamp(param, 0, maxTwips);
        break;
    case Word::InTable:
        paragraph.inTable = on;
        break;
    case Word::PageBreakBefore:
        paragraph.pageBreakBefore = on;
        break;
    case Word::Par:
        endParagraph();
        break;
    case Word::Line:
        appendCharacter(QChar::LineSeparator);
        break;
    case Word::Tab:
    case Word::NestedCell:
        appendCharacter(u'\t');
        break;
    case Word::NestedRow:
        appendCharacter(QChar::LineSeparator);
        break;
    case Word::Page:
        endParagraph();
        m_pageBreakBlock = m_cursor.blockNumber() + 1;
        break;
    case Word::Cell:
        endCell();
        break;
    case Word::Row:
        endRow();
        break;
    case Word::RowDefaults:
        m_cellBoundaries.clear();
        break;
    case Word::CellBoundary:
        if (int(m_cellBoundaries.size()) < RtfReader::maxTableColumns)
            m_cellBoundaries.push_back(std::clamp(param, 0, maxTwips));
        break;
    case Word::Character:
        appendCharacter(found->second.character);
        break;
    default:
        break;
    }
}

void Parser::handleText(const char* begin, const char* end)
{
    while (begin < end && takeFallback())
        ++begin;
    if (begin == end)
        return;
    switch (m_state.destination) {
    case Destination::Text: {
        if (m_state.chars.hidden)
            return;
        prepareForContent();
        const char* run = begin;
        for (const char* p = begin; p < end; ++p) {
            if (static_cast<unsigned char>(*p) < 0x20 && *p != '\t') {
                m_bytes.append(run, p - run);
                run = p + 1;
            }
        }
        m_bytes.append(run, end - run);
        break;
    }
    case Destination::FontTable:
    case Destination::ColorTable:
        for (const char* p = begin; p < end; ++p)
            handleByte(*p);
        break;
    case Destination::Picture:
        appendPictureHex(begin, end);
        break;
    case Destination::Skip:
        break;
    }
}

void Parser::handleByte(char byte)
{
    switch (m_state.destination) {
    case Destination::Text:
        if (m_state.chars.hidden || (static_cast<unsigned char>(byte) < 0x20 && byte != '\t'))
            return;
        prepareForContent();
        m_bytes.append(byte);
        break;
    case Destination::FontTable:
        if (byte == ';') {
            commitFont();
        } else if (m_fontNumber >= 0 && m_fontName.size() < 256) {
            const int codePage = m_fontCodePage ? m_fontCodePage : m_documentCodePage;
            m_fontName.append(decoder(codePage).decode(QByteArrayView(&byte, 1)));
        }
        break;
    case Destination::ColorTable:
        if (byte == ';')
            commitColor();
        break;
    case Destination::Picture:
        appendPictureHex(&byte, &byte + 1);
        break;
    case Destination::Skip:
        break;
    }
}

void Parser::pushGroup()
{
    m_skipCount = 0;
    if (m_overflow > 0 || int(m_stack.size()) >= RtfReader::maxGroupDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(m_state);
}

bool Parser::popGroup()
{
    m_skipCount = 0;
    m_starPending = false;
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    if (m_stack.empty())
        return false;
    const Destination left = m_state.destination;
    m_state = m_stack.back();
    m_stack.pop_back();
    if (left == Destination::Picture && m_state.destination != Destination::Picture)
        finishPicture();
    if (left == Destination::FontTable)
        commitFont();
    if (left == Destination::ColorTable && (m_red >= 0 || m_green >= 0 || m_blue >= 0))
        commitColor();
    return !m_stack.empty();
}

void Parser::prepareForContent()
{
    const bool wantTable = m_state.paragraph.inTable;
    const bool tableChange = wantTable ? (!m_table || m_rowDone || !m_inCell) : m_table != nullptr;
    if (!tableChange && !m_pendingBreak) {
        if (m_textState == m_state.chars)
            return;
        if (!m_bytes.isEmpty() || !m_text.isEmpty())
            flushText();
        m_textState = m_state.chars;
        return;
    }
    flushText();
    if (tableChange)
        ensureTableContext(wantTable);
    if (m_pendingBreak) {
        insertBlock();
        m_pendingBreak = false;
    }
    m_textState = m_state.chars;
}

void Parser::appendCharacter(char16_t ch)
{
    if (m_state.destination != Destination::Text || m_state.chars.hidden)
        return;
    prepareForContent();
    decodeBytes();
    m_text.append(QChar(ch));
}

int Parser::codePageOf(const CharState& state) const
{
    const auto font = m_fonts.constFind(state.font < 0 ? m_defaultFont : state.font);
    if (font != m_fonts.constEnd() && font->codePage != 0)
        return font->codePage;
    return m_documentCodePage;
}

QStringDecoder& Parser::decoder(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second;
    const QByteArray name = codepage::decoderName(codePage);
    QStringDecoder made(name.isEmpty() ? "windows-1252" : name.constData());
    if (!made.isValid())
        made = QStringDecoder("windows-1252");
    return m_decoders.emplace(codePage, std::move(made)).first->second;
}

void Parser::decodeBytes()
{
    if (m_bytes.isEmpty())
        return;
    const int codePage = codePageOf(m_textState);
    // Most RTF text is in Windows-1252, read without a decoder.
    m_text.append(codePage == 1252 ? windows1252::decode(m_bytes)
                                   : QString(decoder(codePage).decode(m_bytes)));
    m_bytes.clear();
}

QTextCharFormat Parser::charFormat(const CharState& state)
{
    if (m_haveFormat && state == m_formatState)
        return m_format;
    QTextCharFormat format;
    const auto font = m_fonts.constFind(state.font < 0 ? m_defaultFont : state.font);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline != QTextCharFormat::NoUnderline)
        format.setUnderlineStyle(state.underline);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (state.vertical != QTextCharFormat::AlignNormal)
        format.setVerticalAlignment(state.vertical);
    if (state.foreground > 0 && state.foreground < m_colors.size() &&
        m_colors[state.foreground].isValid())
        format.setForeground(m_colors[state.foreground]);
    if (state.background > 0 && state.background < m_colors.size() &&
        m_colors[state.background].isValid())
        format.setBackground(m_colors[state.background]);
    m_haveFormat = true;
    m_formatState = state;
    m_format = format;
    return format;
}

void Parser::flushText()
{
    decodeBytes();
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, charFormat(m_textState));
    m_text.clear();
}

QTextBlockFormat Parser::blockFormat() const
{
    const ParagraphState& p = m_state.paragraph;
    QTextBlockFormat format;
    format.setAlignment(p.alignment);
    if (p.left)
        format.setLeftMargin(p.left / twipsPerPixel);
    if (p.right)
        format.setRightMargin(p.right / twipsPerPixel);
    if (p.firstLine)
        format.setTextIndent(p.firstLine / twipsPerPixel);
    if (p.before)
        format.setTopMargin(p.before / twipsPerPixel);
    if (p.after)
        format.setBottomMargin(p.after / twipsPerPixel);
    if (p.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

void Parser::applyBlockFormat()
{
    QTextBlockFormat format = blockFormat();
    if (m_pageBreakBlock >= 0 && m_cursor.blockNumber() == m_pageBreakBlock)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_cursor.setBlockFormat(format);
}

void Parser::insertBlock()
{
    m_cursor.insertBlock(blockFormat(), charFormat(m_state.chars));
    m_createdBlock = true;
}

void Parser::endParagraph()
{
    if (m_state.destination != Destination::Text)
        return;
    prepareForContent();
    flushText();
    applyBlockFormat();
    m_pendingBreak = true;
}

void Parser::ensureTableContext(bool wantTable)
{
    if (!wantTable) {
        closeTable();
        return;
    }
    if (!m_table)
        openTable();
    else if (m_rowDone && m_row + 1 >= RtfReader::maxTableRows) {
        // Long tables go on as a new table: each row added re-lays the whole table out.
        closeTable();
        openTable();
    } else if (m_rowDone) {
        m_table->appendRows(1);
        ++m_row;
        m_column = 0;
        m_rowDone = false;
        m_inCell = false;
    }
    const int wanted = std::min<int>(int(m_cellBoundaries.size()), RtfReader::maxTableColumns);
    if (wanted > m_table->columns())
        m_table->appendColumns(wanted - m_table->columns());
    if (!m_inCell)
        enterCell();
}

void Parser::openTable()
{
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    const int columns = std::max<int>(1, int(m_cellBoundaries.size()));
    if (!m_cellBoundaries.empty()) {
        QList<QTextLength> widths;
        int previous = 0;
        for (const int boundary : m_cellBoundaries) {
            widths.append(
                QTextLength(QTextLength::FixedLength,
                            std::clamp(boundary - previous, 1, maxTwips) / twipsPerPixel));
            previous = std::max(previous, boundary);
        }
        format.setColumnWidthConstraints(widths);
    }
    m_pendingBreak = false;
    m_table = m_cursor.insertTable(1, columns, format);
    m_row = 0;
    m_column = 0;
    m_rowDone = false;
    m_inCell = false;
}

void Parser::closeTable()
{
    if (!m_table)
        return;
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_pendingBreak = false;
    m_inCell = false;
}

void Parser::enterCell()
{
    if (m_column >= m_table->columns()) {
        if (m_table->columns() < RtfReader::maxTableColumns)
            m_table->appendColumns(m_column - m_table->columns() + 1);
        else
            m_column = m_table->columns() - 1;
    }
    m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
    m_inCell = true;
    m_pendingBreak = false;
}

void Parser::endCell()
{
    if (m_state.destination != Destination::Text)
        return;
    flushText();
    if (!m_table || m_rowDone || !m_inCell)
        ensureTableContext(true);
    applyBlockFormat();
    m_pendingBreak = false;
    m_inCell = false;
    ++m_column;
}

void Parser::endRow()
{
    if (m_state.destination != Destination::Text || !m_table)
        return;
    flushText();
    m_rowDone = true;
    m_inCell = false;
    m_pendingBreak = false;
}

void Parser::commitFont()
{
    if (m_fontNumber >= 0) {
        FontEntry entry;
        entry.name = m_fontName.trimmed();
        entry.codePage = m_fontCodePage;
        m_fonts.insert(m_fontNumber, entry);
    }
    m_fontNumber = -1;
    m_fontCodePage = 0;
    m_fontName.clear();
}

void Parser::commitColor()
{
    if (m_red < 0 && m_green < 0 && m_blue < 0)
        m_colors.append(QColor());
    else
        m_colors.append(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
    m_red = m_green = m_blue = -1;
}

void Parser::appendPictureHex(const char* begin, const char* end)
{
    if (m_picture.tooLarge)
        return;
    for (const char* p = begin; p < end; ++p) {
        const int value = hexValue(*p);
        if (value < 0)
            continue;
        if (m_picture.highNibble < 0) {
            m_picture.highNibble = value;
            continue;
        }
        if (m_picture.data.size() >= RtfReader::maxPictureBytes) {
            m_picture.tooLarge = true;
            return;
        }
        m_picture.data.append(char(m_picture.highNibble * 16 + value));
        m_picture.highNibble = -1;
    }
}

void Parser::finishPicture()
{
    Picture picture = std::move(m_picture);
    m_picture = Picture();
    if (picture.tooLarge || picture.data.isEmpty() ||
        (picture.type != PictureType::Png && picture.type != PictureType::Jpeg))
        return;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.type == PictureType::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > RtfReader::maxPicturePixels)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;

    QTextDocument* doc = m_cursor.document();
    QUrl name;
    do {
        name = QUrl(QStringLiteral("rtfpicture:%1").arg(++m_pictureCount));
    } while (doc->resource(QTextDocument::ImageResource, name).isValid());
    doc->addResource(QTextDocument::ImageResource, name, image);

    const double scaleX = std::clamp(picture.scaleX, 1, 1000) / 100.0;
    const double scaleY = std::clamp(picture.scaleY, 1, 1000) / 100.0;
    const double width =
        picture.goalWidth > 0 ? picture.goalWidth / twipsPerPixel : double(image.width());
    const double height =
        picture.goalHeight > 0 ? picture.goalHeight / twipsPerPixel : double(image.height());
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(std::min(width * scaleX, 20000.0));
    format.setHeight(std::min(height * scaleY, 20000.0));
    prepareForContent();
    flushText();
    m_cursor.insertImage(format);
}

} // namespace

bool RtfReader::isRtf(const QByteArray& data)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < data.size() && (data[start] == ' ' || data[start] == '\t' ||
                                   data[start] == '\r' || data[start] == '\n'))
        ++start;
    return QByteArrayView(data).sliced(start).startsWith("{\\rtf");
}

bool RtfReader::read(const QByteArray& rtf, QTextDocument* doc, QString* error)
{
    if (!doc) {
        if (error)
            *error = QStringLiteral("no document");
        return false;
    }
    if (!isRtf(rtf)) {
        if (error)
            *error = QStringLiteral("not an RTF file");
        return false;
    }
    doc->clear();
    // A document read from a file starts with no undo history; recording every insertion of the
    // parse would only cost time and memory.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    Parser parser(QByteArrayView(rtf).sliced(rtf.indexOf('{')), cursor, true);
    parser.run();
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    return true;
}

bool RtfReader::insert(const QByteArray& rtf, QTextCursor& cursor, QString* error)
{
    if (cursor.isNull()) {
        if (error)
            *error = QStringLiteral("no document");
        return false;
    }
    if (!isRtf(rtf)) {
        if (error)
            *error = QStringLiteral("not an RTF file");
        return false;
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    Parser parser(QByteArrayView(rtf).sliced(rtf.indexOf('{')), cursor, false);
    parser.run();
    cursor.endEditBlock();
    return true;
}

} // namespace dosarium
