#pragma once

#include "automation/smart/SmartNode.h"

#include <QRect>

#include <memory>

namespace Vexal {

class SmartLabelIds;

// One entry of a form's label sequence: a text run or a control.
class SmartLabel final : public SmartNode
{
    Q_OBJECT
public:
    explicit SmartLabel(QObject* parent);

    void setElement(const PageElement& element);
    void setText(const QString& text);
    void setBold(bool bold) { m_bold = bold; }
    // The element a text entry was read from (the leaf, or the element whose
    // own text runs between its children), so that a text can be told to
    // belong to one control rather than another.
    void setSource(const PageElement& source) { m_source = source; }
    const PageElement& source() const { return m_source; }

    // The element of the entry (the source of a text) and its ancestors,
    // from the document root down; read once.
    const PageElements& ancestors() const;
    // Gives the chain that ancestors() reads, for a caller that knows it.
    void setAncestors(const PageElements& chain);
    // For a text in a LABEL: the control that LABEL names; null otherwise.
    // Read once, by id among those the entries of a recognition share
    // (an entry alone reads its own).
    const PageElement& labelTarget() const;
    void shareIds(const std::shared_ptr<SmartLabelIds>& ids) { m_ids = ids; }
    // Where the page draws the entry: the box of a text's source, or of the
    // control. Read once.
    const QRect& rect() const;
    // How many times an entry asked the page where it is drawn, for tests.
    static qint64 rectAsksForTests();
    // For a control under a line of captions: the caption over it, as
    // SmartOwnTexts reads it, kept with the entry once read.
    enum CaptionState { CaptionUnread, CaptionNone, CaptionOver };
    CaptionState captionState() const { return m_captionState; }
    const QList<const SmartLabel*>& caption() const { return m_caption; }
    void keepCaption(CaptionState state, const QList<const SmartLabel*>& caption) const
    {
        m_captionState = state;
        m_caption = caption;
    }

    const QString& text() const { return m_text; }
    bool isText() const { return m_isText; }
    bool isBold() const { return m_bold; }
    int wordCount() const { return m_wordCount; }
    // The words of a text: the parts between blanks that hold a letter or
    // a digit.
    static int countWords(const QString& text);
    // The control's entry in the list, -1 when it has none.
    static int indexOf(const QList<SmartLabel*>& labels, const PageElement& element);

    QString toString() const;

private:
    PageElement m_source;
    mutable PageElements m_ancestors;
    mutable PageElement m_labelTarget;
    mutable std::shared_ptr<SmartLabelIds> m_ids;
    mutable QRect m_rect;
    mutable bool m_readRect = false;
    mutable QList<const SmartLabel*> m_caption;
    mutable CaptionState m_captionState = CaptionUnread;
    mutable bool m_readAncestors = false;
    mutable bool m_readLabel = false;
    QString m_text;
    bool m_isText = false;
    bool m_bold = false;
    int m_wordCount = 0;
};

} // namespace Vexal
