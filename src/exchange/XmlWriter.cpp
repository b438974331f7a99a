#include "exchange/XmlWriter.h"

#include "core/DBSql.h"
#include "exchange/XmlItem.h"

#include <QIODevice>

#include <cstring>

namespace Vexal {

namespace {

QChar* put(QChar* out, QLatin1String text)
{
    for (const char c : text)
        *out++ = QLatin1Char(c);
    return out;
}

QChar* put(QChar* out, const QString& text)
{
    memcpy(static_cast<void*>(out), text.constData(), size_t(text.size()) * sizeof(QChar));
    return out + text.size();
}

constexpr int flushAfter = 1 << 18; // characters

// Text content escaped as the DOM saves a text node; characters XML cannot
// carry are left out and counted in *dropped.
QChar* putEscaped(QChar* out, const QString& text, int* dropped)
{
    const QChar* data = text.constData();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = data[i];
        const ushort u = c.unicode();
        if (u > '>' && u < 0xD800) {
            *out++ = c;
            continue;
        }
        if (u >= 0xD800) {
            if (u >= 0xE000 && u <= 0xFFFD) {
                *out++ = c;
            } else if (QChar::isHighSurrogate(u) && i + 1 < size && data[i + 1].isLowSurrogate()) {
                *out++ = c;
                *out++ = data[++i];
            } else {
                ++*dropped;
            }
            continue;
        }
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
            ++*dropped;
            continue;
        }
        switch (u) {
        case '<':
            out = put(out, QLatin1String("&lt;"));
            break;
        case '&':
            out = put(out, QLatin1String("&amp;"));
            break;
        case '>':
            if (i >= 2 && data[i - 1] == QLatin1Char(']') && data[i - 2] == QLatin1Char(']'))
                out = put(out, QLatin1String("&gt;"));
            else
                *out++ = c;
            break;
        case '\r':
            out = put(out, QLatin1String("&#xd;"));
            break;
        default:
            *out++ = c;
            break;
        }
    }
    return out;
}

// An attribute value escaped as the DOM saves it (quotes and white space
// other than blanks as references).
void appendAttribute(QString& out, const QString& text)
{
    const QChar* data = text.constData();
    const int size = text.size();
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const ushort c = data[i].unicode();
        if (c > '>')
            continue;
        QLatin1String replacement;
        switch (c) {
        case '<':
            replacement = QLatin1String("&lt;");
            break;
        case '&':
            replacement = QLatin1String("&amp;");
            break;
        case '>':
            if (i >= 2 && data[i - 1] == QLatin1Char(']') && data[i - 2] == QLatin1Char(']'))
                replacement = QLatin1String("&gt;");
            break;
        case '"':
            replacement = QLatin1String("&quot;");
            break;
        case '\r':
            replacement = QLatin1String("&#xd;");
            break;
        case '\n':
            replacement = QLatin1String("&#xa;");
            break;
        case '\t':
            replacement = QLatin1String("&#x9;");
            break;
        default:
            break;
        }
        if (replacement.size() == 0)
            continue;
        out.append(data + start, i - start);
        out += replacement;
        start = i + 1;
    }
    out.append(data + start, size - start);
}

} // namespace

XmlWriter::XmlWriter(const QString& table, QIODevice* device)
    : m_device(device)
{
    m_text.reserve(device ? flushAfter + 4096 : 4096);
    m_text += QLatin1String("<!DOCTYPE ");
    m_text += ConstXML::docName();
    m_text += QLatin1String(">\n<");
    m_text += ConstXML::itemsTag();
    m_text += QLatin1Char(' ');
    m_text += ConstXML::tableAttribute();
    m_text += QLatin1String("=\"");
    appendAttribute(m_text, table);
    m_text += QLatin1Char('"');
}

QChar* XmlWriter::putText(QChar* out, const QString& text)
{
    int dropped = 0;
    out = putEscaped(out, text, &dropped);
    if (dropped > 0)
        ++m_droppedValues;
    return out;
}

bool XmlWriter::writeItem(const XmlItem& item)
{
    if (!m_errorText.isEmpty())
        return false;
    const QString& tag = item.tagName().isEmpty() ? ConstXML::itemTag() : item.tagName();
    // Room for the item with every character escaped at most five times over.
    int room = 16 + 2 * tag.size();
    for (const XmlItem::Child& child : item.children())
        room += 10 + 2 * child.name.size() + 5 * child.text.size();
    const int start = m_text.size();
    m_text.resize(start + room);
    QChar* out = m_text.data() + start;

    if (!m_open) {
        out = put(out, QLatin1String(">\n"));
        m_open = true;
    }
    out = put(out, QLatin1String(" <"));
    out = put(out, tag);
    if (item.children().isEmpty()) {
        out = put(out, QLatin1String("/>\n"));
    } else {
        out = put(out, QLatin1String(">\n"));
        for (const XmlItem::Child& child : item.children()) {
            out = put(out, QLatin1String("  <"));
            out = put(out, child.name);
            if (child.hasChildNodes) {
                *out++ = QLatin1Char('>');
                const int before = m_droppedValues;
                out = putText(out, child.text);
                if (m_droppedValues == 1 && before == 0) {
                    m_firstDroppedElement = child.name;
                    m_firstDroppedItem = item.childText(DBSql::colID());
                }
                out = put(out, QLatin1String("</"));
                out = put(out, child.name);
                out = put(out, QLatin1String(">\n"));
            } else {
                out = put(out, QLatin1String("/>\n"));
            }
        }
        out = put(out, QLatin1String(" </"));
        out = put(out, tag);
        out = put(out, QLatin1String(">\n"));
    }
    m_text.resize(int(out - m_text.constData()));
    if (m_device && m_text.size() >= flushAfter)
        return flush();
    return true;
}

// Items are whole in the text, so no surrogate pair is ever cut in two.
bool XmlWriter::flush()
{
    if (!m_errorText.isEmpty())
        return false;
    const QByteArray bytes = m_text.toUtf8();
    m_text.resize(0);
    qint64 written = 0;
    // A short write is tried again, so that a full disk is seen with the
    // system's reason rather than as a short count.
    while (written < bytes.size()) {
        const qint64 count = m_device->write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            m_errorText = m_device->errorString();
            return false;
        }
        written += count;
    }
    return true;
}

QString XmlWriter::finish()
{
    if (m_open) {
        m_text += QLatin1String("</");
        m_text += ConstXML::itemsTag();
        m_text += QLatin1String(">\n");
    } else {
        m_text += QLatin1String("/>\n");
    }
    m_open = false;
    QString text;
    text.swap(m_text);
    return text;
}

bool XmlWriter::close()
{
    if (!m_errorText.isEmpty())
        return false;
    m_text = finish();
    return flush();
}

} // namespace Vexal
