#include "data/File.h"

#include "texts/LocaleCore.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace Vexal {

File::File(QObject* parent)
    : QObject(parent)
{
}

File::File(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
{
}

QString File::errorText() const
{
    return m_errorText;
}

bool File::write(const QString& text)
{
    if (m_path.isEmpty()) {
        m_errorText = LocaleCore::emptyFileName();
        return false;
    }
    if (text.isEmpty()) {
        m_errorText = LocaleCore::invalidData();
        return false;
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) { // unbuffered: a short write is seen
        m_errorText = file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    // A short write is tried again: the second try fails with the system's
    // reason (a full disk, say), where the short count alone gives none.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            m_errorText = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += count;
    }
    if (!file.commit()) {
        m_errorText = file.errorString();
        return false;
    }
    return true;
}

QString File::read()
{
    if (m_path.isEmpty()) {
        m_errorText = LocaleCore::emptyFileName();
        return QString();
    }
    QFile file(m_path);
    if (!file.exists()) {
        m_errorText = LocaleCore::fileMissing();
        return QString();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorText = file.errorString();
        return QString();
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_errorText = file.errorString();
        return QString();
    }
    return decode(bytes);
}

QString File::decode(const QByteArray& bytes)
{
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec* codec = QTextCodec::codecForUtfText(bytes, nullptr);
    if (codec)
        return codec->toUnicode(bytes); // drops the byte-order mark
    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    if (QTextCodec* latin = QTextCodec::codecForName("Windows-1252"))
        return latin->toUnicode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace Vexal
