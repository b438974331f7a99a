#include "content/SpintaxHighlighter.h"

#include <QPointer>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace Vexal {

namespace {

bool isSpecial(QChar c)
{
    return c == QLatin1Char('{') || c == QLatin1Char('}') || c == QLatin1Char('|');
}

// Depth after the block, given the depth before it.
int depthAfter(const QString& text, int depth)
{
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < size && isSpecial(text.at(i + 1)))
            ++i;
        else if (c == QLatin1Char('{'))
            ++depth;
        else if (c == QLatin1Char('}') && depth > 0)
            --depth;
    }
    return depth;
}

} // namespace

SpintaxHighlighter::SpintaxHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(static_cast<QObject*>(document))
{
    for (int level = 0; level < levelCount; ++level) {
        m_braces[level] = format(Brace, level);
        m_pipes[level] = format(Pipe, level);
    }
    m_escape = format(Escape);
    m_error = format(Error);
    // Marks must follow an edit before the base class colours the changed
    // blocks, so this connection has to come first.
    if (document)
        m_shift = connect(document, &QTextDocument::contentsChange, this, &SpintaxHighlighter::onContentsChange);
    setDocument(document);
}

SpintaxHighlighter::~SpintaxHighlighter()
{
    // The base class uncolours the document after this object's members are
    // gone, which is an edit of its own.
    disconnect(m_shift);
}

QTextCharFormat SpintaxHighlighter::format(Role role, int level)
{
    static const QColor levels[levelCount] = {QColor(0x00, 0x00, 0xcc), QColor(0x00, 0x80, 0x00),
                                              QColor(0x99, 0x00, 0x99), QColor(0xcc, 0x66, 0x00)};
    QTextCharFormat result;
    switch (role) {
    case Brace:
        result.setForeground(levels[qAbs(level) % levelCount]);
        result.setFontWeight(QFont::Bold);
        break;
    case Pipe:
        result.setForeground(levels[qAbs(level) % levelCount]);
        break;
    case Escape:
        result.setForeground(QColor(0x80, 0x80, 0x80));
        break;
    case Error:
        result.setForeground(Qt::white);
        result.setBackground(QColor(0xcc, 0x00, 0x00));
        result.setFontWeight(QFont::Bold);
        break;
    }
    return result;
}

void SpintaxHighlighter::onContentsChange(int position, int removed, int added)
{
    if (m_unclosed.isEmpty() || sender() != document())
        return;
    QVector<int> kept;
    kept.reserve(m_unclosed.size());
    for (int at : qAsConst(m_unclosed)) {
        if (at < position)
            kept.append(at);
        else if (at >= position + removed)
            kept.append(at + added - removed);
    }
    m_unclosed.swap(kept);
}

void SpintaxHighlighter::highlightBlock(const QString& text)
{
    const int startDepth = qMax(previousBlockState(), 0);
    const QTextBlock block = currentBlock();
    if (!block.next().isValid())
        findUnclosed(depthAfter(text, startDepth));

    const int blockStart = block.position();
    const int size = text.size();
    auto mark = std::lower_bound(m_unclosed.cbegin(), m_unclosed.cend(), blockStart);
    int depth = startDepth;
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\') && i + 1 < size && isSpecial(text.at(i + 1))) {
            setFormat(i, 2, m_escape);
            ++i;
        } else if (c == QLatin1Char('{')) {
            while (mark != m_unclosed.cend() && *mark < blockStart + i)
                ++mark;
            const bool unclosed = mark != m_unclosed.cend() && *mark == blockStart + i;
            setFormat(i, 1, unclosed ? m_error : m_braces[depth % levelCount]);
            ++depth;
        } else if (c == QLatin1Char('|')) {
            if (depth > 0)
                setFormat(i, 1, m_pipes[(depth - 1) % levelCount]);
        } else if (c == QLatin1Char('}')) {
            if (depth == 0) {
                setFormat(i, 1, m_error);
            } else {
                --depth;
                setFormat(i, 1, m_braces[depth % levelCount]);
            }
        }
    }
    setCurrentBlockState(depth);
}

void SpintaxHighlighter::findUnclosed(int endDepth)
{
    QVector<int> found;
    const int wanted = qMin(endDepth, int(markLimit));
    int closes = 0;
    for (QTextBlock block = currentBlock(); block.isValid() && found.size() < wanted; block = block.previous()) {
        const QString text = block.text();
        for (int i = text.size() - 1; i >= 0 && found.size() < wanted; --i) {
            const QChar c = text.at(i);
            if ((c != QLatin1Char('{') && c != QLatin1Char('}')) || (i > 0 && text.at(i - 1) == QLatin1Char('\\')))
                continue;
            if (c == QLatin1Char('}'))
                ++closes;
            else if (closes > 0)
                --closes;
            else
                found.append(block.position() + i);
        }
    }
    std::reverse(found.begin(), found.end());
    if (found == m_unclosed)
        return;

    // Blocks other than this one whose marks change are coloured again once
    // the current pass is over.
    QVector<int> changed;
    std::set_symmetric_difference(found.cbegin(), found.cend(), m_unclosed.cbegin(), m_unclosed.cend(),
                                  std::back_inserter(changed));
    m_unclosed = found;
    const int blockStart = currentBlock().position();
    QVector<int> others;
    for (int at : qAsConst(changed))
        if (at < blockStart)
            others.append(at);
    if (others.isEmpty())
        return;
    QPointer<QTextDocument> document = this->document();
    QMetaObject::invokeMethod(
        this,
        [this, document, others] {
            if (!document || document != this->document())
                return;
            int lastBlock = -1;
            for (int at : others) {
                const QTextBlock block = document->findBlock(at);
                if (block.isValid() && block.blockNumber() != lastBlock) {
                    lastBlock = block.blockNumber();
                    rehighlightBlock(block);
                }
            }
        },
        Qt::QueuedConnection);
}

} // namespace Vexal
