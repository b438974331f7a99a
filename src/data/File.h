#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Reads a whole text file and writes a text as a whole file (UTF-8, no
// byte-order mark, line ends as they stand). A write goes to a temporary file
// that replaces the earlier one only once it is complete, so a failed write
// leaves the earlier file whole. Failures give false or "" and keep their
// reason in errorText(); a later success does not clear it.
class File final : public QObject
{
    Q_OBJECT
public:
    explicit File(QObject* parent = nullptr);
    explicit File(const QString& path, QObject* parent = nullptr);

    QString path() const { return m_path; }

    // True only once the whole text is stored under path.
    bool write(const QString& text);
    // The whole content; "" on failure (and for an empty file).
    QString read();
    QString errorText() const;

    // Text of file bytes: a byte-order mark selects its encoding; otherwise
    // UTF-8, or Windows-1252 when the bytes are not valid UTF-8.
    static QString decode(const QByteArray& bytes);

private:
    QString m_path;
    QString m_errorText;
};

} // namespace Vexal
