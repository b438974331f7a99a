#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QTextDocument;

namespace Vexal {

// Colours HTML source: tags, attribute names and values, comments and
// character entities. Works block by block with a small carried state (inside
// a tag, a comment or a quoted value), so a document of any size costs one
// linear pass. While disabled it leaves the text uncoloured.
class HtmlHighlighter final : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    enum Role { Tag, Attribute, Value, Comment, Entity };

    explicit HtmlHighlighter(QTextDocument* document);

    bool isEnabled() const { return m_enabled; }
    // Stores the flag and colours (or uncolours) the whole document at once.
    void setEnabled(bool enabled);

    static QTextCharFormat format(Role role);

protected:
    void highlightBlock(const QString& text) override;

private:
    enum BlockState { InText = 0, InTag = 1, InComment = 2, InDoubleValue = 3, InSingleValue = 4 };

    bool m_enabled = true;
    QTextCharFormat m_formats[5];
};

} // namespace Vexal
