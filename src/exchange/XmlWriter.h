#pragma once

#include <QString>

namespace Vexal {

class XmlItem;

// Builds the text of an exchange file item by item, exactly as a DOM document
// of the same content saves with an indent of one: a "doc" doctype, the
// "items" root with its "Table" attribute, one "item" per record with one
// child element per column. Text is escaped the way the DOM escapes it ("<",
// "&", the ">" of "]]>" and carriage returns), so files are unchanged while no
// document tree is built.
class XmlWriter
{
public:
    explicit XmlWriter(const QString& table);

    void writeItem(const XmlItem& item);
    // Closes the root and gives the whole text.
    QString finish();

private:
    QString m_text;
    bool m_open = false;
};

} // namespace Vexal
