#pragma once

#include <QString>

class QIODevice;

namespace Vexal {

class XmlItem;

// Writes an exchange file item by item, laid out as a DOM document of the
// same content saves with an indent of one: a "doc" doctype, the "items" root
// with its "Table" attribute, one "item" per record with one child element per
// column. Text is escaped the way the DOM escapes it ("<", "&", the ">" of
// "]]>" and carriage returns). Characters that XML 1.0 cannot carry at all
// (control characters but tab, line feed and carriage return, U+FFFE, U+FFFF,
// lone surrogates) are left out and counted, so that the file is always
// well-formed. Given a device, the text goes to it as UTF-8 every few hundred
// kilobytes, so memory stays flat whatever the number of rows.
class XmlWriter
{
public:
    explicit XmlWriter(const QString& table, QIODevice* device = nullptr);

    // False once writing to the device failed (errorText() says why).
    bool writeItem(const XmlItem& item);
    // Closes the root; without a device, gives the whole text.
    QString finish();
    // With a device: closes the root and writes what is left.
    bool close();

    QString errorText() const { return m_errorText; }
    // Values that lost characters, and where the first one was.
    int droppedValues() const { return m_droppedValues; }
    QString firstDroppedItem() const { return m_firstDroppedItem; }
    QString firstDroppedElement() const { return m_firstDroppedElement; }

private:
    bool flush();

    QString m_text;
    QIODevice* m_device = nullptr;
    bool m_open = false;
    QString m_errorText;
    int m_droppedValues = 0;
    QString m_firstDroppedItem;
    QString m_firstDroppedElement;
};

} // namespace Vexal
