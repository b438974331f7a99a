#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVector>

#include <vector>

class QWebView;

namespace Vexal {

class PageDom;

// One element of a page, as automation reads and writes it: a small value
// naming the element within the page access that handed it out. Null when it
// names nothing. Two values are equal when they name the same element of the
// same page access. A page access made by PageDomFactory lives while one of
// its elements does, and lets go of what an element named once no value
// names it any more; one made on the stack (tests) must outlive its elements.
class PageElement
{
public:
    PageElement() = default;
    inline PageElement(PageDom* dom, int id);
    inline PageElement(const PageElement& other);
    PageElement(PageElement&& other) noexcept
        : m_dom(other.m_dom)
        , m_id(other.m_id)
    {
        other.m_dom = nullptr;
    }
    inline PageElement& operator=(const PageElement& other);
    inline PageElement& operator=(PageElement&& other) noexcept;
    inline ~PageElement();

    bool isNull() const { return !m_dom; }
    PageDom* dom() const { return m_dom; }
    int id() const { return m_id; }

    bool operator==(const PageElement& other) const;
    bool operator!=(const PageElement& other) const { return !(*this == other); }

    // The element's own reading and navigation, through its page access.
    PageElement parent() const;
    PageElement firstChild() const;
    PageElement nextSibling() const;
    PageElement previousSibling() const;
    QString tagName() const;
    QString attribute(const QString& name) const;
    bool hasAttribute(const QString& name) const;
    QString toPlainText() const;

private:
    PageDom* m_dom = nullptr;
    int m_id = 0;
};

using PageElements = QVector<PageElement>;

} // namespace Vexal

// A pointer and a number that name no place of their own: lists of elements
// move them as plain memory.
Q_DECLARE_TYPEINFO(Vexal::PageElement, Q_MOVABLE_TYPE);

namespace Vexal {

// Whether the page writes the text of an element, in the text of each element
// around it, as it writes it alone: whether the element stands in the text's
// flow. The one rule of it, read by automation element by element from the
// element's computed styles and by the page's script (describeTexts) for a
// whole subtree at once: the page access writes this table into the script.
// An HTML element stands in the flow where its kind may and its styles keep
// it there: a block, inline or list item box (an image or field also an
// inline block), in its place even where a relative or sticky position draws
// its box elsewhere, not floated or hidden, its white space collapsed. An
// element out of the layout ("display: none") writes nothing, nor does
// anything inside it. A box that clips away all it holds writes none of it
// (Clip), and stands in the flow as an empty box does.
class TextFlow
{
public:
    enum Kind : char {
        // Tables and their rows, form controls but fields, line breaks,
        // frames, media, and any other name: laid out apart from the text
        // around them.
        Apart,
        // Phrasing elements, sections, lists and table cells, ruby and its
        // parts, breaking points, and custom elements (a "-" in the name),
        // which are laid out as their style says: texts written as usual.
        Ordinary,
        // Written as usual but laid out apart, its white space kept.
        Preformatted,
        // The body and the root.
        Document,
        // Images and fields, which write nothing of their own in the texts
        // around them.
        Replaced,
    };
    // The kind of an HTML element by its local name.
    static Kind kindOf(const QString& localName);
    static bool mayFlow(Kind kind) { return kind == Ordinary || kind == Document || kind == Replaced; }
    // Whether the computed "display" keeps an element of a kind that may
    // flow in the flow.
    static bool displayFlows(Kind kind, const QString& display);
    // The other computed styles that keep such an element in the flow: each
    // property with the values that do, in the order they are best asked.
    struct Style {
        QString property;
        QStringList values;
    };
    static const std::vector<Style>& styles();
    // A box that clips what overflows it ("property" other than the values
    // that clip nothing: the computed "overflow" is "visible" only where
    // neither way clips; an inline box clips nothing) and leaves no room for
    // what it holds (its box as laid out, scroll bars included, is 0px across
    // one of the "extents") writes nothing of what it holds, but for what is
    // positioned out of it, neither in the box's own text nor in the texts
    // around it: the same either way, so it stands in the flow by its other
    // styles, as an empty box does, and what it holds by their own. Nothing
    // inside it is written as usual: the texts in it are read, never worked
    // out from what it holds. Only the page's script needs the rule.
    // An extent is measured by its computed "lengths" (the content, padding
    // and borders across, to a fraction of a pixel) where they add up to more
    // than 0px. A scroll bar takes its room out of the content's, so that
    // they may add up to 0px or less where it shows: then by the element's
    // "laidOut" size (the whole box, in whole pixels), and where that is 0
    // and a scroll bar took room, by its client rectangle's "drawn" size
    // (the box under a pixel, drawn as laid out unless a transform turns or
    // shrinks it).
    struct Extent {
        QStringList lengths;
        QString laidOut;
        QString drawn;
    };
    struct Clip {
        QString property;
        QStringList unclipped;
        std::vector<Extent> extents;
    };
    static const Clip& clip();
    // The table as a script's object: "kinds" (name to "ordinary",
    // "preformatted", "document" or "replaced"), "custom" (what a custom
    // element's name holds), "display" and "replacedDisplay" (the values of
    // each kind that flow, as keys), "styles" (pairs of a property and its
    // values, as keys), "clip" (its "property", its "unclipped" values as
    // keys, its "extents", each an object of "lengths", "laidOut" and
    // "drawn").
    static const QString& script();
};

// What automation asks of a page: its elements (by CSS or by tag), their
// names, attributes, texts, markup, style and place, their parents, children
// and siblings, the frames that IFRAME elements show; and what it writes into
// them: values, check marks, chosen options, text and markup, styles, clicks
// and form submissions. One implementation drives the web engine; tests drive
// a small page of their own. Only the element (and frame) children count:
// text nodes are reached through texts and markup.
class PageDom
{
public:
    virtual ~PageDom();

    // The root element of the main frame's document; null when there is no
    // page to read.
    virtual PageElement documentElement() = 0;

    // The elements below the root, in document order, that the selector
    // names: a tag name or "*", or any CSS selector where takesCss() holds.
    // Below a document's root element, that is the whole document as a
    // frame's query finds it (the root element itself aside).
    virtual PageElements select(const PageElement& root, const QString& selector) = 0;
    // The first such element below the root, or null.
    virtual PageElement selectFirst(const PageElement& root, const QString& selector) = 0;
    // Whether select() takes CSS beyond a tag name.
    virtual bool takesCss() const = 0;

    virtual PageElement parent(const PageElement& element) = 0;
    virtual PageElement firstChild(const PageElement& element) = 0;
    virtual PageElement nextSibling(const PageElement& element) = 0;
    virtual PageElement previousSibling(const PageElement& element) = 0;
    // Whether "other" lies inside the parent of the element (anywhere under
    // it); always when the element has no parent.
    virtual bool withinParentOf(const PageElement& element, const PageElement& other);
    // The root element of the document that a frame element (IFRAME) shows:
    // only frames of the main frame, or with "nested" frames of frames too.
    // Null when it shows none.
    virtual PageElement frameDocument(const PageElement& element, bool nested) = 0;
    // The root elements of the documents of the frames the document's own
    // frame elements show, in the order the frames were made.
    virtual PageElements frameDocuments(const PageElement& document) = 0;

    // The tag name as the page gives it (upper case for HTML).
    virtual QString tagName(const PageElement& element) = 0;
    virtual QString localName(const PageElement& element) = 0;
    virtual QString namespaceUri(const PageElement& element) = 0;
    // Empty when the element has no such attribute.
    virtual QString attribute(const PageElement& element, const QString& name) = 0;
    virtual bool hasAttribute(const PageElement& element, const QString& name) = 0;
    virtual QStringList attributeNames(const PageElement& element) = 0;
    // The text as the page shows it (hidden text left out, line breaks
    // between blocks).
    virtual QString plainText(const PageElement& element) = 0;
    // The markup of the element's content; void elements write none.
    virtual QString markup(const PageElement& element) = 0;
    // The text that names a control: the texts of its LABEL elements, else
    // the text that runs on from it up to the next control or line break.
    virtual QString labelText(const PageElement& control) = 0;
    // What a control holds now, whoever put it there (the user, a script):
    // a box's or text area's value, "1" for a ticked check box or radio and
    // "" for one not ticked, a choice list's chosen index (-1 for none).
    virtual QString heldValue(const PageElement& control) = 0;
    // The box the element takes on the page; empty when it takes none.
    virtual QRect geometry(const PageElement& element) = 0;
    enum StyleKind { InlineStyle, CascadedStyle, ComputedStyle };
    virtual QString style(const PageElement& element, const QString& property, StyleKind kind) = 0;
    // How the texts of the root's subtree are written, one line per element
    // in the order of a walk through the element children (the page script's
    // "describe" of ":/res/res/dom.js", which stands in the text's flow by
    // TextFlow); empty when the page cannot tell.
    virtual QStringList describeTexts(const PageElement& root, int limit, bool pieces, bool rootShown) = 0;
    // Whether a style of the element's document may hide the first letter of
    // a block, or show it alone ("::first-letter"): then the text of an
    // element may start otherwise than its markup does. True too where the
    // page cannot tell (a style sheet of another site). A look at the styles
    // costs about what reading a few thousand characters of text does (the
    // caller weighs it): the access looks only where "look" is set, and
    // otherwise answers yes for a document it has not looked at. An answer
    // looked up is kept for each document until forgetStyles(): the page's
    // scripts may change its styles between two tasks, none runs during one.
    virtual bool mayHideFirstLetters(const PageElement& element, bool look) = 0;
    virtual void forgetStyles() {}

    // Markup and documents as a whole.

    // The element's markup with its own start and end tags (a void element:
    // its start tag only).
    virtual QString outerMarkup(const PageElement& element) = 0;
    // The root element of the document the element belongs to: its topmost
    // ancestor, the element itself when it has none.
    virtual PageElement documentOf(const PageElement& element);
    // Of the root element of a document: the frame element (IFRAME) that
    // shows it; null for the main frame's document.
    virtual PageElement frameElement(const PageElement& document) = 0;
    // The address the document's frame asked for; empty (or "about:")
    // for a document that a script wrote.
    virtual QUrl frameUrl(const PageElement& document) = 0;
    // The origin of the document's frame as "scheme://host:port": documents
    // of one site give the same text.
    virtual QString frameOrigin(const PageElement& document) = 0;
    // Whether the whole document is editable (its design mode is on).
    virtual bool isDesignMode(const PageElement& document) = 0;

    // Writes. None raises a page event.
    virtual void setAttribute(const PageElement& element, const QString& name, const QString& value) = 0;
    virtual void removeAttribute(const PageElement& element, const QString& name) = 0;
    // The value of a control, attribute and live value alike.
    virtual void setValue(const PageElement& element, const QString& value) = 0;
    // The check mark of a check box or radio button, attribute and live state.
    virtual void setChecked(const PageElement& element, bool checked) = 0;
    // The chosen option of a choice list, by its index.
    virtual void selectIndex(const PageElement& element, int index) = 0;
    // The content as plain text (a text area's live value too).
    virtual void setPlainText(const PageElement& element, const QString& text) = 0;
    // The content as markup, written unescaped.
    virtual void setMarkup(const PageElement& element, const QString& markup) = 0;
    virtual void setStyle(const PageElement& element, const QString& property, const QString& value) = 0;
    virtual void click(const PageElement& element) = 0;
    // Submits a form, even one whose controls hide its own submit().
    virtual void submit(const PageElement& element) = 0;

    // For each element that the query "from" finds below the root, in
    // document order: the first element after it in document order that the
    // query "to" finds, where that lies within the element's parent (the two
    // queries never find the same element). Where none does, the element is
    // left open: what follows it, if anything, lies further out.
    struct Following {
        // An entry for each element "from" finds: what follows it or, where
        // it is left open, the element itself.
        PageElements elements;
        // The places of the elements left open, in order.
        QVector<int> open;
    };
    virtual Following following(const PageElement& root, const QString& from, const QString& to);

    // Texts tested inside the page access. A query may find thousands of
    // elements of which few pass a test of their texts: the page access runs
    // the test over them one after another and hands out only those that
    // pass. From the first element that holds other elements on, the rest
    // come back untested: texts that may hold one another are for the caller
    // to weigh together.
    class TextTest
    {
    public:
        enum Answer { Fails, Passes, Unknown };
        virtual ~TextTest();
        // What the markup (not empty) of an element tells of its plain text
        // before that is read: Unknown for markup that shows a tag ('<'),
        // which the page access then asks the page about.
        virtual Answer fromMarkup(const QString& markup) const = 0;
        virtual bool passes(const QString& plainText) const = 0;
    };
    // Of the elements select() lists, those that passed and those untested,
    // each in document order with its position in the whole list.
    struct TestedElements {
        PageElements passed;
        QVector<int> passedAt;
        PageElements untested;
        QVector<int> untestedAt;
    };
    virtual TestedElements selectByText(const PageElement& root, const QString& selector, const TextTest& test);

    // How many ids of this access name an element now, and the most that did
    // at once since resetPeak(): what a task holds of the page. Only for
    // accesses whose ids are counted (newElement()).
    int heldElements() const { return m_held; }
    int peakHeldElements() const { return m_peak; }
    void resetPeak() { m_peak = m_held; }
    // How many elements it handed out under new ids in all: the work a task
    // asked of the page.
    qint64 madeElements() const { return m_made; }

protected:
    friend class PageElement;
    friend class PageDomHandle;
    // An element for an id of the implementation's own, which always names
    // the same element.
    PageElement element(int id) { return PageElement(this, id); }
    // An element under a new id, counted: once no value names it any more the
    // id goes back to be used again, and released() is told.
    PageElement newElement();
    // The id names nothing any more: let go of the element it named.
    virtual void released(int id);
    // Whether two ids name the same element.
    virtual bool same(int a, int b) = 0;

private:
    void hold(int id)
    {
        if (size_t(id) < m_uses.size())
            ++m_uses[size_t(id)];
    }
    void letGo(int id)
    {
        if (size_t(id) < m_uses.size() && --m_uses[size_t(id)] == 0)
            freeId(id);
    }
    void freeId(int id);
    // Deletes an access made for handles once neither a handle nor an element holds it.
    void deleteWhenUnheld();

    // The values naming each counted id, and the ids free for new elements.
    std::vector<quint32> m_uses;
    std::vector<int> m_free;
    int m_held = 0;
    int m_peak = 0;
    qint64 m_made = 0;
    int m_handles = 0;
    bool m_madeForHandles = false;
};

// Holds a page access that was made on the heap for handles (PageDomFactory):
// the access lives while a handle or one of its elements holds it.
class PageDomHandle
{
public:
    PageDomHandle() = default;
    // Holds an access made on the heap (or none): from now on it is deleted
    // once neither a handle nor an element holds it.
    explicit PageDomHandle(PageDom* made);
    // The access of a web view, shared while it lives (PageDomFactory::forView;
    // a null view's reads no page). The one place a view becomes an access.
    explicit PageDomHandle(QWebView* view);
    // Names an access whose maker keeps it (one made on the stack, in tests),
    // which must outlive the handle: handles never delete it.
    explicit PageDomHandle(PageDom& kept);
    PageDomHandle(const PageDomHandle& other)
        : PageDomHandle()
    {
        *this = other;
    }
    PageDomHandle& operator=(const PageDomHandle& other);
    ~PageDomHandle();

    PageDom* get() const { return m_dom; }
    PageDom* operator->() const { return m_dom; }
    PageDom& operator*() const { return *m_dom; }
    explicit operator bool() const { return m_dom != nullptr; }

private:
    void release();

    PageDom* m_dom = nullptr;
};

inline PageElement::PageElement(PageDom* dom, int id)
    : m_dom(dom)
    , m_id(id)
{
    if (m_dom)
        m_dom->hold(m_id);
}

inline PageElement::PageElement(const PageElement& other)
    : m_dom(other.m_dom)
    , m_id(other.m_id)
{
    if (m_dom)
        m_dom->hold(m_id);
}

inline PageElement& PageElement::operator=(const PageElement& other)
{
    // The other's id is held first: it may be the one this lets go of.
    if (other.m_dom)
        other.m_dom->hold(other.m_id);
    PageDom* dom = m_dom;
    const int id = m_id;
    m_dom = other.m_dom;
    m_id = other.m_id;
    if (dom)
        dom->letGo(id);
    return *this;
}

inline PageElement& PageElement::operator=(PageElement&& other) noexcept
{
    if (this != &other) {
        PageDom* dom = m_dom;
        const int id = m_id;
        m_dom = other.m_dom;
        m_id = other.m_id;
        other.m_dom = nullptr;
        if (dom)
            dom->letGo(id);
    }
    return *this;
}

inline PageElement::~PageElement()
{
    if (m_dom)
        m_dom->letGo(m_id);
}

inline bool PageElement::operator==(const PageElement& other) const
{
    return m_dom == other.m_dom && (!m_dom || m_id == other.m_id || m_dom->same(m_id, other.m_id));
}

inline PageElement PageElement::parent() const { return m_dom ? m_dom->parent(*this) : PageElement(); }
inline PageElement PageElement::firstChild() const { return m_dom ? m_dom->firstChild(*this) : PageElement(); }
inline PageElement PageElement::nextSibling() const { return m_dom ? m_dom->nextSibling(*this) : PageElement(); }
inline PageElement PageElement::previousSibling() const
{
    return m_dom ? m_dom->previousSibling(*this) : PageElement();
}
inline QString PageElement::tagName() const { return m_dom ? m_dom->tagName(*this) : QString(); }
inline QString PageElement::attribute(const QString& name) const
{
    return m_dom ? m_dom->attribute(*this, name) : QString();
}
inline bool PageElement::hasAttribute(const QString& name) const
{
    return m_dom && m_dom->hasAttribute(*this, name);
}
inline QString PageElement::toPlainText() const { return m_dom ? m_dom->plainText(*this) : QString(); }

} // namespace Vexal
