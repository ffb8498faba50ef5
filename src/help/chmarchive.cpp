#include "help/chmarchive.h"

#include "help/htmltext.h"

#include <QFile>
#include <QFileInfo>
#include <chm_lib.h>

namespace dosarium {

namespace {

// A help page or picture is a few hundred kilobytes; a bigger length is a damaged directory entry.
constexpr quint64 kLargestObject = 64ull * 1024 * 1024;

int collectName(chmFile*, chmUnitInfo* unit, void* context)
{
    auto* names = static_cast<QStringList*>(context);
    const QString name = QString::fromUtf8(unit->path);
    const bool internal = name.startsWith(QLatin1String("/#")) ||
                          name.startsWith(QLatin1String("/$")) ||
                          name.startsWith(QLatin1String("::"));
    if (!internal && !name.endsWith(QLatin1Char('/')))
        names->append(name);
    return CHM_ENUMERATOR_CONTINUE;
}

quint16 le16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at])) | quint16(quint8(bytes[at + 1])) << 8;
}

} // namespace

ChmArchive::~ChmArchive()
{
    close();
}

void ChmArchive::close()
{
    if (m_file != nullptr)
        chm_close(m_file);
    m_file = nullptr;
    m_path.clear();
    m_contentsFile.clear();
    m_indexFile.clear();
    m_defaultTopic.clear();
    m_title.clear();
}

ChmArchive::OpenResult ChmArchive::open(const QString& path)
{
    close();
    const QFileInfo info(path);
    if (!info.exists())
        return OpenResult::Missing;
    // chmlib reports every failure alike; a folder or a file we may not read is told apart here.
    QFile probe(path);
    if (!info.isFile() || !probe.open(QIODevice::ReadOnly))
        return OpenResult::Unreadable;
    probe.close();

    m_file = chm_open(QFile::encodeName(path).constData());
    if (m_file == nullptr)
        return OpenResult::Unreadable;
    m_path = path;
    readSystemRecord();

    const QStringList names = fileNames();
    auto firstWithSuffix = [&names](const char* suffix) {
        for (const QString& name : names) {
            if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
                return name;
        }
        return QString();
    };
    if (m_contentsFile.isEmpty() || !contains(m_contentsFile))
        m_contentsFile = firstWithSuffix(".hhc");
    if (m_indexFile.isEmpty() || !contains(m_indexFile))
        m_indexFile = firstWithSuffix(".hhk");
    // An archive whose directory lists nothing readable is as good as unreadable.
    if (names.isEmpty()) {
        close();
        return OpenResult::Unreadable;
    }
    return OpenResult::Opened;
}

QString ChmArchive::normalisedName(const QString& name)
{
    QString result = name;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!result.startsWith(QLatin1Char('/')))
        result.prepend(QLatin1Char('/'));
    return result;
}

std::optional<QByteArray> ChmArchive::read(const QString& name) const
{
    if (m_file == nullptr)
        return std::nullopt;
    chmUnitInfo unit{};
    const QByteArray encoded = normalisedName(name).toUtf8();
    if (chm_resolve_object(m_file, encoded.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > kLargestObject)
        return std::nullopt;
    QByteArray bytes(qsizetype(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return bytes;
    const LONGINT64 got = chm_retrieve_object(
        m_file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return bytes;
}

bool ChmArchive::contains(const QString& name) const
{
    if (m_file == nullptr)
        return false;
    chmUnitInfo unit{};
    const QByteArray encoded = normalisedName(name).toUtf8();
    return chm_resolve_object(m_file, encoded.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

QStringList ChmArchive::fileNames() const
{
    QStringList names;
    if (m_file != nullptr)
        chm_enumerate(m_file, CHM_ENUMERATE_ALL, collectName, &names);
    return names;
}

// The system record: a 32-bit version, then entries of a 16-bit code, a 16-bit length and that
// many bytes of zero-terminated text. Codes 0 to 3 name the contents, the index, the default
// topic and the title.
void ChmArchive::readSystemRecord()
{
    const std::optional<QByteArray> record = read(QStringLiteral("/#SYSTEM"));
    if (!record)
        return;
    const QByteArray& bytes = *record;
    qsizetype at = 4;
    while (at + 4 <= bytes.size()) {
        const quint16 code = le16(bytes, at);
        const quint16 length = le16(bytes, at + 2);
        at += 4;
        if (at + length > bytes.size())
            break;
        QByteArray text = bytes.mid(at, length);
        const qsizetype end = text.indexOf('\0');
        if (end >= 0)
            text.truncate(end);
        at += length;
        const QString value = decodeHtmlBytes(text);
        switch (code) {
        case 0:
            m_contentsFile = normalisedName(value);
            break;
        case 1:
            m_indexFile = normalisedName(value);
            break;
        case 2:
            m_defaultTopic = normalisedName(value);
            break;
        case 3:
            m_title = value;
            break;
        default:
            break;
        }
    }
}

} // namespace dosarium
