#pragma once

#include "core/Thread.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlReader.h"
#include "exchange/XmlSource.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Runs a job on its own thread and waits for it.
inline bool runJob(Vexal::Thread& job)
{
    job.start();
    return job.wait(60000);
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An item as one text: its tag, then per child node name|text|isElement|hasChildNodes.
inline QString describeItem(const Vexal::XmlItem& item)
{
    QStringList lines{item.tagName()};
    for (const Vexal::XmlItem::Child& child : item.children())
        lines << QStringLiteral("%1|%2|%3|%4").arg(child.name, child.text).arg(child.isElement).arg(child.hasChildNodes);
    return lines.join(QLatin1Char('\n'));
}

// The first item of an exchange file as the import reads it; an item tagged
// "refused" when the reader refuses the file before it.
inline Vexal::XmlItem firstItem(const QByteArray& file)
{
    Vexal::XmlSource source;
    source.setBytes(file, false);
    Vexal::XmlReader reader(&source);
    Vexal::XmlItem item;
    if (!reader.open() || reader.next(&item) != Vexal::XmlReader::Item)
        item.setTagName(QStringLiteral("refused"));
    return item;
}

// The first of these items, read as a file holding them.
inline Vexal::XmlItem readItem(const QString& items)
{
    return firstItem("<items Table=\"Test\">" + items.toUtf8() + "</items>");
}
