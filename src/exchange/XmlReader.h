#pragma once

#include "exchange/XmlItem.h"

#include <QString>
#include <QVector>

namespace Vexal {

// Reads an exchange file as light items, giving the same names and values as
// the DOM would: read() checks the whole text once, then item() parses one
// item at a time into a reused object, so no tree of the file is held. Only
// the plain form the export writes is taken: an optional XML declaration, a
// doctype without internal subset, the root, items and their column elements
// with text, the predefined entities and character references. Anything else
// (comments, processing instructions, CDATA, nested elements, unusual
// characters, and every error) makes read() return false, so that the caller
// parses the file with the DOM, which then decides and words any error.
class XmlReader
{
public:
    bool read(const QString& text);

    QString rootName() const { return m_rootName; }
    bool hasTable() const { return m_hasTable; }
    QString table() const { return m_table; }
    int count() const { return m_offsets.size(); }
    // The item at `index` (0 to count() - 1) of the text read last.
    bool item(int index, XmlItem* item);

private:
    bool parse();
    bool skipSpace();
    bool parseName(QString* name);
    bool parseAttributes(bool root, bool* empty);
    bool parseText(QChar quote, QString* text); // text may be null: checked only
    bool parseEndTag(const QString& name);
    bool parseItem(XmlItem* item); // item may be null: checked only
    bool atEnd() const { return m_pos >= m_end; }

    QString m_text;
    const QChar* m_data = nullptr;
    int m_pos = 0;
    int m_end = 0;
    QVector<QString> m_names;
    int m_lastName = -1;

    QString m_rootName;
    QString m_table;
    bool m_hasTable = false;
    QVector<int> m_offsets;
};

} // namespace Vexal
