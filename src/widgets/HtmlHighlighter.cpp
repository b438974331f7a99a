#include "widgets/HtmlHighlighter.h"

#include <QTextDocument>

namespace Vexal {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char(':')
        || c == QLatin1Char('.');
}

} // namespace

HtmlHighlighter::HtmlHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document)
{
    for (int role = Tag; role <= Entity; ++role)
        m_formats[role] = format(Role(role));
}

void HtmlHighlighter::setEnabled(bool enabled)
{
    m_enabled = enabled;
    rehighlight();
}

QTextCharFormat HtmlHighlighter::format(Role role)
{
    QTextCharFormat result;
    switch (role) {
    case Tag:
        result.setForeground(QColor(0x00, 0x00, 0x99));
        break;
    case Attribute:
        result.setForeground(QColor(0x99, 0x00, 0x00));
        break;
    case Value:
        result.setForeground(QColor(0x00, 0x66, 0xcc));
        break;
    case Comment:
        result.setForeground(QColor(0x00, 0x80, 0x00));
        result.setFontItalic(true);
        break;
    case Entity:
        result.setForeground(QColor(0x80, 0x00, 0x80));
        break;
    }
    return result;
}

void HtmlHighlighter::highlightBlock(const QString& text)
{
    if (!m_enabled) {
        setCurrentBlockState(InText);
        return;
    }

    const int size = text.size();
    int state = previousBlockState() < 0 ? InText : previousBlockState();
    int i = 0;
    while (i < size) {
        switch (state) {
        case InComment: {
            const int end = text.indexOf(QLatin1String("-->"), i);
            const int stop = end < 0 ? size : end + 3;
            setFormat(i, stop - i, m_formats[Comment]);
            i = stop;
            if (end >= 0)
                state = InText;
            break;
        }
        case InDoubleValue:
        case InSingleValue: {
            const QChar quote = state == InDoubleValue ? QLatin1Char('"') : QLatin1Char('\'');
            const int end = text.indexOf(quote, i);
            const int stop = end < 0 ? size : end + 1;
            setFormat(i, stop - i, m_formats[Value]);
            i = stop;
            if (end >= 0)
                state = InTag;
            break;
        }
        case InTag: {
            const QChar c = text.at(i);
            if (c == QLatin1Char('>')) {
                setFormat(i, 1, m_formats[Tag]);
                ++i;
                state = InText;
            } else if (c == QLatin1Char('/') && i + 1 < size && text.at(i + 1) == QLatin1Char('>')) {
                setFormat(i, 2, m_formats[Tag]);
                i += 2;
                state = InText;
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                setFormat(i, 1, m_formats[Value]);
                ++i;
                state = c == QLatin1Char('"') ? InDoubleValue : InSingleValue;
            } else if (c == QLatin1Char('=')) {
                ++i;
                // An unquoted value runs to white space or the end of the tag.
                if (i < size && text.at(i) != QLatin1Char('"') && text.at(i) != QLatin1Char('\'')) {
                    const int start = i;
                    while (i < size && !text.at(i).isSpace() && text.at(i) != QLatin1Char('>'))
                        ++i;
                    setFormat(start, i - start, m_formats[Value]);
                }
            } else if (c.isSpace() || c == QLatin1Char('/')) {
                ++i;
            } else {
                const int start = i;
                while (i < size && !text.at(i).isSpace() && text.at(i) != QLatin1Char('=')
                       && text.at(i) != QLatin1Char('>') && text.at(i) != QLatin1Char('"')
                       && text.at(i) != QLatin1Char('\'')
                       && !(text.at(i) == QLatin1Char('/') && i + 1 < size && text.at(i + 1) == QLatin1Char('>')))
                    ++i;
                if (i == start)
                    ++i;
                else
                    setFormat(start, i - start, m_formats[Attribute]);
            }
            break;
        }
        default: {
            // Plain text: jump to the next markup character.
            int next = i;
            while (next < size && text.at(next) != QLatin1Char('<') && text.at(next) != QLatin1Char('&'))
                ++next;
            i = next;
            if (i >= size)
                break;
            if (text.at(i) == QLatin1Char('&')) {
                int end = i + 1;
                while (end < size && end - i <= 10 && (isNameChar(text.at(end)) || text.at(end) == QLatin1Char('#')))
                    ++end;
                if (end < size && end > i + 1 && text.at(end) == QLatin1Char(';')) {
                    setFormat(i, end + 1 - i, m_formats[Entity]);
                    i = end + 1;
                } else {
                    ++i;
                }
            } else if (text.midRef(i, 4) == QLatin1String("<!--")) {
                state = InComment;
                setFormat(i, 4, m_formats[Comment]);
                i += 4;
            } else {
                int end = i + 1;
                if (end < size && (text.at(end) == QLatin1Char('/') || text.at(end) == QLatin1Char('!')
                                   || text.at(end) == QLatin1Char('?')))
                    ++end;
                const int nameStart = end;
                while (end < size && isNameChar(text.at(end)))
                    ++end;
                if (end == nameStart) {
                    ++i; // a lone "<" is text
                } else {
                    setFormat(i, end - i, m_formats[Tag]);
                    i = end;
                    state = InTag;
                }
            }
            break;
        }
        }
    }
    setCurrentBlockState(state);
}

} // namespace Vexal
