#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

class QTextDocument;

namespace Vexal {

// Colours spintax as the spinner reads it: braces and pipes in the colour of
// their nesting level, escapes ("\{", "\}", "\|") in their own colour, and
// unbalanced braces (a "}" that closes nothing, a "{" never closed) marked as
// errors. Each block carries the nesting depth at its end as its state, so an
// edit costs the blocks whose depth changes. Braces left open at the end of
// the document are found by one backward scan from the end, which stops at
// the outermost open brace; the blocks holding them are then coloured again.
class SpintaxHighlighter final : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    enum Role { Brace, Pipe, Escape, Error };
    static constexpr int levelCount = 4;
    // At most this many never-closed braces are marked.
    static constexpr int markLimit = 1000;

    explicit SpintaxHighlighter(QTextDocument* document);
    ~SpintaxHighlighter() override;

    // The format of a role; braces and pipes depend on the nesting level
    // (0 for the outermost group).
    static QTextCharFormat format(Role role, int level = 0);

    // Document positions of the braces marked as never closed.
    QVector<int> unclosedBraces() const { return m_unclosed; }

protected:
    void highlightBlock(const QString& text) override;

private:
    void onContentsChange(int position, int removed, int added);
    void findUnclosed(int endDepth);

    QMetaObject::Connection m_shift;
    QVector<int> m_unclosed;
    QTextCharFormat m_braces[levelCount];
    QTextCharFormat m_pipes[levelCount];
    QTextCharFormat m_escape;
    QTextCharFormat m_error;
};

} // namespace Vexal
