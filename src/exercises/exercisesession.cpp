#include "exercises/exercisesession.h"

#include "files/safewrite.h"
#include "richtext/richtextcodec.h"

#include <QFile>
#include <QTextDocument>

namespace dosarium {

ExerciseSession::ExerciseSession(RichTextCodec& codec,
                                 std::function<void(QTextDocument&)> buildWelcomeText,
                                 QObject* parent)
    : QObject(parent), m_codec(codec), m_buildWelcomeText(std::move(buildWelcomeText)),
      m_document(new QTextDocument(this))
{
    connect(m_document, &QTextDocument::contentsChanged, this, [this] {
        if (!m_fileName.isEmpty())
            m_modified = true;
    });
}

void ExerciseSession::setFileName(const QString& name)
{
    if (name == m_fileName)
        return;
    m_fileName = name;
    emit changed();
}

void ExerciseSession::setReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    emit changed();
}

bool ExerciseSession::loadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return m_codec.decode(data, *m_document);
}

bool ExerciseSession::saveText(const QString& path) const
{
    return safeWrite(path, m_codec.encode(*m_document));
}

void ExerciseSession::showWelcomeText()
{
    setFileName(QString());
    setCorrectionAvailable(false);
    setReadOnly(true);
    m_buildWelcomeText(*m_document);
}

void ExerciseSession::setUnknown(const std::optional<ExerciseUnknown>& unknown)
{
    if (unknown == m_unknown)
        return;
    m_unknown = unknown;
    emit unknownChanged();
}

} // namespace dosarium
