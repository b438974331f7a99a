#include "shell/WebKitPageDom.h"

#include <QFile>
#include <QPointer>
#include <QVariant>
#include <QWebElement>
#include <QWebElementCollection>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSecurityOrigin>
#include <QWebView>

#include <new>
#include <vector>

// The resources of a static library are registered by hand.
static void initScripts()
{
    Q_INIT_RESOURCE(scripts);
}

namespace Vexal {

namespace {

// The page-side helpers, read once, with the rule of the text's flow
// written in.
const QString& domScript()
{
    static const QString script = [] {
        initScripts();
        QFile file(QStringLiteral(":/res/res/dom.js"));
        return file.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(file.readAll()).replace(QLatin1String("TEXT_FLOW"), TextFlow::script())
            : QString();
    }();
    return script;
}

// The page-side "letters" alone, as the page's script itself writes it out:
// a look at the styles compiles that, not the whole script. Taken once.
const QString& lettersScript(QWebElement& element)
{
    static QString source;
    if (source.isEmpty() && !domScript().isEmpty())
        source = element.evaluateJavaScript(QStringLiteral("(") + domScript() + QStringLiteral(").letters.toString()"))
                     .toString();
    return source;
}

QWebFrame* frameOwnedBy(QWebFrame* frame, const QWebElement& owner, bool nested)
{
    const QList<QWebFrame*> children = frame->childFrames();
    for (QWebFrame* child : children) {
        if (child && child->ownerElement() == owner)
            return child;
    }
    if (nested) {
        for (QWebFrame* child : children) {
            if (QWebFrame* found = child ? frameOwnedBy(child, owner, true) : nullptr)
                return found;
        }
    }
    return nullptr;
}

// Whether a CSS selector is one compound selector: no combinator and no
// list outside brackets, parentheses and quotes.
bool isCompound(const QString& selector)
{
    int depth = 0;
    QChar quote;
    for (const QChar c : selector) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('[') || c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(']') || c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0
                   && (c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('>') || c == QLatin1Char('+')
                       || c == QLatin1Char('~'))) {
            return false;
        }
    }
    return true;
}

// Puts what "make" returns from the engine in the place of an element held
// before: an assignment would copy it (the engine's element has no move),
// one call into the engine more. None of the engine's calls throws.
template <typename Make>
inline void remake(QWebElement& element, Make make)
{
    element.~QWebElement();
    new (&element) QWebElement(make());
}

// Whether an element whose parent is "up" lies within "around"; everything
// lies within no element (the parent of a root).
bool liesWithin(const QWebElement& up, const QWebElement& around)
{
    if (around == up || around.isNull())
        return true;
    for (QWebElement e = up.parent(); !e.isNull(); e = e.parent()) {
        if (e == around)
            return true;
    }
    return false;
}

// The elements two selectors find, in document order. The engine tests a
// list of selectors one after another on each element; one compound selector
// with the two as alternatives costs it about a third less.
QString unionOf(const QString& a, const QString& b)
{
    if (isCompound(a) && isCompound(b))
        return QStringLiteral(":-webkit-any(") + a + QStringLiteral(", ") + b + QStringLiteral(")");
    return a + QStringLiteral(", ") + b;
}

} // namespace

struct WebKitPageDom::Data {
    QPointer<QWebView> view;
    // The engine's element behind each id that names one; a null one behind
    // a free id.
    std::vector<QWebElement> elements;

    // The frames whose documents' first letters a style may hide, and those
    // whose first letters none does, since forgetStyles().
    std::vector<const QWebFrame*> hiding;
    std::vector<const QWebFrame*> notHiding;

    // The place of a new id's element, holding a null element: the caller
    // makes the element there (a null element leaves nothing to end), or
    // remakes it (remake()).
    QWebElement* place(int id)
    {
        if (size_t(id) == elements.size())
            elements.emplace_back();
        return &elements[size_t(id)];
    }
};

WebKitPageDom::WebKitPageDom(QWebView* view)
    : d(new Data)
{
    d->view = view;
}

WebKitPageDom::~WebKitPageDom() = default;

QWebView* WebKitPageDom::view() const
{
    return d->view.data();
}

QWebElement* WebKitPageDom::newPlace(PageElement& element)
{
    element = newElement();
    return d->place(element.id());
}

PageElement WebKitPageDom::wrap(const QWebElement& element)
{
    PageElement out;
    if (!element.isNull())
        new (newPlace(out)) QWebElement(element);
    return out;
}

PageElement WebKitPageDom::elementAt(const QWebElementCollection& found, int i)
{
    PageElement out;
    new (newPlace(out)) QWebElement(found.at(i));
    return out;
}

void WebKitPageDom::released(int id)
{
    QWebElement* element = &d->elements[size_t(id)];
    element->~QWebElement();
    new (element) QWebElement();
}

namespace {

// The web engine's element behind one of this access's elements; a null one
// for an element of another access.
inline const QWebElement& engineElement(const std::vector<QWebElement>& elements, const PageDom* dom,
                                        const PageElement& element)
{
    static const QWebElement none;
    return element.dom() == dom && size_t(element.id()) < elements.size() ? elements[size_t(element.id())] : none;
}

} // namespace

#define ENGINE(element) engineElement(d->elements, this, element)

bool WebKitPageDom::same(int a, int b)
{
    return d->elements[size_t(a)] == d->elements[size_t(b)];
}

bool WebKitPageDom::hasPage() const
{
    return d->view && d->view->page() && d->view->page()->mainFrame();
}

PageElement WebKitPageDom::documentElement()
{
    if (!d->view || !d->view->page() || !d->view->page()->mainFrame())
        return PageElement();
    return wrap(d->view->page()->mainFrame()->documentElement());
}

PageElements WebKitPageDom::select(const PageElement& root, const QString& selector)
{
    const QWebElement& e = ENGINE(root);
    if (e.isNull())
        return {};
    const QWebElementCollection found = e.findAll(selector);
    const int count = found.count();
    PageElements out(count);
    PageElement* at = out.data();
    for (int i = 0; i < count; ++i)
        at[i] = elementAt(found, i);
    return out;
}

PageElement WebKitPageDom::selectFirst(const PageElement& root, const QString& selector)
{
    return wrap(ENGINE(root).findFirst(selector));
}

PageElement WebKitPageDom::parent(const PageElement& element)
{
    return wrap(ENGINE(element).parent());
}

PageElement WebKitPageDom::firstChild(const PageElement& element)
{
    return wrap(ENGINE(element).firstChild());
}

PageElement WebKitPageDom::nextSibling(const PageElement& element)
{
    return wrap(ENGINE(element).nextSibling());
}

PageElement WebKitPageDom::previousSibling(const PageElement& element)
{
    return wrap(ENGINE(element).previousSibling());
}

bool WebKitPageDom::withinParentOf(const PageElement& element, const PageElement& other)
{
    const QWebElement parent = ENGINE(element).parent();
    if (parent.isNull())
        return true;
    for (QWebElement e = ENGINE(other).parent(); !e.isNull(); e = e.parent()) {
        if (e == parent)
            return true;
    }
    return false;
}

PageElement WebKitPageDom::frameDocument(const PageElement& element, bool nested)
{
    const QWebElement& e = ENGINE(element);
    if (e.isNull() || !d->view || !d->view->page() || !d->view->page()->mainFrame())
        return PageElement();
    // Frames are listed in the order they were made, which differs from
    // document order once a script adds one: each is matched by its owner.
    QWebFrame* frame = frameOwnedBy(d->view->page()->mainFrame(), e, nested);
    return frame ? wrap(frame->documentElement()) : PageElement();
}

PageElements WebKitPageDom::frameDocuments(const PageElement& document)
{
    QWebFrame* frame = ENGINE(document).webFrame();
    PageElements out;
    if (!frame)
        return out;
    const QList<QWebFrame*> children = frame->childFrames();
    for (QWebFrame* child : children) {
        const PageElement root = child ? wrap(child->documentElement()) : PageElement();
        if (!root.isNull())
            out.append(root);
    }
    return out;
}

QString WebKitPageDom::tagName(const PageElement& element)
{
    return ENGINE(element).tagName();
}

QString WebKitPageDom::localName(const PageElement& element)
{
    return ENGINE(element).localName();
}

QString WebKitPageDom::namespaceUri(const PageElement& element)
{
    return ENGINE(element).namespaceUri();
}

QString WebKitPageDom::attribute(const PageElement& element, const QString& name)
{
    return ENGINE(element).attribute(name);
}

bool WebKitPageDom::hasAttribute(const PageElement& element, const QString& name)
{
    return ENGINE(element).hasAttribute(name);
}

QStringList WebKitPageDom::attributeNames(const PageElement& element)
{
    return ENGINE(element).attributeNames();
}

QString WebKitPageDom::plainText(const PageElement& element)
{
    return ENGINE(element).toPlainText();
}

QString WebKitPageDom::markup(const PageElement& element)
{
    return ENGINE(element).toInnerXml();
}

QString WebKitPageDom::labelText(const PageElement& control)
{
    QWebElement e = ENGINE(control);
    if (e.isNull() || domScript().isEmpty())
        return QString();
    return e.evaluateJavaScript(QStringLiteral("(") + domScript() + QStringLiteral(").labelText(this)")).toString();
}

QString WebKitPageDom::heldValue(const PageElement& control)
{
    QWebElement e = ENGINE(control);
    if (e.isNull())
        return QString();
    return e.evaluateJavaScript(QStringLiteral(
        "this.tagName == 'SELECT' ? String(this.selectedIndex)"
        " : this.type == 'checkbox' || this.type == 'radio' ? (this.checked ? '1' : '') : String(this.value || '')"))
        .toString();
}

QRect WebKitPageDom::geometry(const PageElement& element)
{
    return ENGINE(element).geometry();
}

QString WebKitPageDom::style(const PageElement& element, const QString& property, StyleKind kind)
{
    const QWebElement::StyleResolveStrategy strategy = kind == InlineStyle ? QWebElement::InlineStyle
        : kind == CascadedStyle                                               ? QWebElement::CascadedStyle
                                                                              : QWebElement::ComputedStyle;
    return ENGINE(element).styleProperty(property, strategy);
}

QStringList WebKitPageDom::describeTexts(const PageElement& root, int limit, bool pieces, bool rootShown)
{
    QWebElement e = ENGINE(root);
    if (e.isNull() || domScript().isEmpty())
        return {};
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    const QVariant described = e.evaluateJavaScript(QStringLiteral("(") + domScript()
                                                    + QStringLiteral(").describe(this, %1, %2, %3)")
                                                          .arg(limit)
                                                          .arg(flag(pieces), flag(rootShown)));
    return described.toString().split(QChar(1));
}

bool WebKitPageDom::mayHideFirstLetters(const PageElement& element, bool look)
{
    // Each frame shows one document while a task runs: the frame names it at
    // less cost than the document's own element.
    const QWebElement& e = ENGINE(element);
    QWebFrame* frame = e.isNull() ? nullptr : e.webFrame();
    if (!frame)
        return !e.isNull();
    for (const QWebFrame* known : d->hiding) {
        if (known == frame)
            return true;
    }
    for (const QWebFrame* known : d->notHiding) {
        if (known == frame)
            return false;
    }
    if (!look)
        return true;
    // Run on an element: the frame runs no script where the page's own are
    // turned off. A look that tells nothing counts as a yes.
    QWebElement document = e.document();
    const QString& letters = lettersScript(document);
    const QVariant found = letters.isEmpty()
        ? QVariant()
        : document.evaluateJavaScript(QStringLiteral("(") + letters + QStringLiteral(")(this.ownerDocument)"));
    const bool hiding = !found.isValid() || found.toInt() > 1;
    (hiding ? d->hiding : d->notHiding).push_back(frame);
    return hiding;
}

void WebKitPageDom::forgetStyles()
{
    d->hiding.clear();
    d->notHiding.clear();
}

QString WebKitPageDom::outerMarkup(const PageElement& element)
{
    return ENGINE(element).toOuterXml();
}

PageElement WebKitPageDom::documentOf(const PageElement& element)
{
    return wrap(ENGINE(element).document());
}

PageElement WebKitPageDom::frameElement(const PageElement& document)
{
    QWebFrame* frame = ENGINE(document).webFrame();
    return frame ? wrap(frame->ownerElement()) : PageElement();
}

QUrl WebKitPageDom::frameUrl(const PageElement& document)
{
    QWebFrame* frame = ENGINE(document).webFrame();
    return frame ? frame->requestedUrl() : QUrl();
}

QString WebKitPageDom::frameOrigin(const PageElement& document)
{
    QWebFrame* frame = ENGINE(document).webFrame();
    if (!frame)
        return QString();
    const QWebSecurityOrigin origin = frame->securityOrigin();
    return QStringLiteral("%1://%2:%3").arg(origin.scheme(), origin.host()).arg(origin.port());
}

bool WebKitPageDom::isDesignMode(const PageElement& document)
{
    QWebFrame* frame = ENGINE(document).webFrame();
    const QString mode = frame ? frame->evaluateJavaScript(QStringLiteral("document.designMode")).toString() : QString();
    return mode.compare(QLatin1String("on"), Qt::CaseInsensitive) == 0;
}

void WebKitPageDom::setAttribute(const PageElement& element, const QString& name, const QString& value)
{
    QWebElement e = ENGINE(element);
    e.setAttribute(name, value);
}

void WebKitPageDom::removeAttribute(const PageElement& element, const QString& name)
{
    QWebElement e = ENGINE(element);
    e.removeAttribute(name);
}

// The live state follows the attribute through scripts that need no escaping.
void WebKitPageDom::setValue(const PageElement& element, const QString& value)
{
    QWebElement e = ENGINE(element);
    e.setAttribute(QStringLiteral("value"), value);
    e.evaluateJavaScript(QStringLiteral("this.value=this.getAttribute('value');"));
}

void WebKitPageDom::setChecked(const PageElement& element, bool checked)
{
    QWebElement e = ENGINE(element);
    if (checked)
        e.setAttribute(QStringLiteral("checked"), QStringLiteral("true"));
    else
        e.removeAttribute(QStringLiteral("checked"));
    e.evaluateJavaScript(QStringLiteral("this.checked=this.hasAttribute('checked');"));
}

void WebKitPageDom::selectIndex(const PageElement& element, int index)
{
    QWebElement e = ENGINE(element);
    e.evaluateJavaScript(QStringLiteral("this.selectedIndex=%1;").arg(index));
}

void WebKitPageDom::setPlainText(const PageElement& element, const QString& text)
{
    QWebElement e = ENGINE(element);
    e.setPlainText(text);
    if (e.tagName().compare(QLatin1String("TEXTAREA"), Qt::CaseInsensitive) == 0)
        e.evaluateJavaScript(QStringLiteral("this.value=this.defaultValue;"));
}

void WebKitPageDom::setMarkup(const PageElement& element, const QString& markup)
{
    QWebElement e = ENGINE(element);
    e.setInnerXml(markup);
}

void WebKitPageDom::setStyle(const PageElement& element, const QString& property, const QString& value)
{
    QWebElement e = ENGINE(element);
    e.setStyleProperty(property, value);
}

void WebKitPageDom::click(const PageElement& element)
{
    QWebElement e = ENGINE(element);
    e.evaluateJavaScript(QStringLiteral("this.click();"));
}

void WebKitPageDom::submit(const PageElement& element)
{
    QWebElement e = ENGINE(element);
    // A control named "submit" hides the form's own submit(); call the prototype's.
    e.evaluateJavaScript(QStringLiteral("HTMLFormElement.prototype.submit.call(this);"));
}

PageDom::Following WebKitPageDom::following(const PageElement& root, const QString& from, const QString& to)
{
    Following out;
    const QWebElement& e = ENGINE(root);
    if (e.isNull())
        return out;
    const QWebElementCollection froms = e.findAll(from);
    const QWebElementCollection both = e.findAll(unionOf(from, to));
    const int count = froms.count();
    out.elements.resize(count);
    PageElement* elements = out.elements.data();
    // The elements of "from" from "waiting" up to "at" wait for what follows
    // them: "parent" is the parent of the first of them, "parents" hold those
    // of the others (seldom any: one such element follows another).
    QWebElement parent;
    std::vector<QWebElement> parents;
    int waiting = 0;
    int at = 0;
    QWebElement next = count > 0 ? froms.at(0) : QWebElement();
    // Each element of the second query is made in the place of a spare id,
    // which is handed out when the element follows one that waits. A new
    // spare's place holds a null element, which leaves nothing to end. (New
    // ids may move the places.)
    PageElement spare;
    QWebElement* element = newPlace(spare);
    bool fresh = true;
    for (int k = 0, all = both.count(); k < all; ++k) {
        if (fresh)
            new (element) QWebElement(both.at(k));
        else
            remake(*element, [&] { return both.at(k); });
        fresh = false;
        if (at < count && *element == next) {
            if (waiting == at)
                remake(parent, [&] { return element->parent(); });
            else
                parents.push_back(element->parent());
            if (++at < count)
                remake(next, [&] { return froms.at(at); });
            continue;
        }
        if (waiting == at)
            continue;
        const QWebElement up = element->parent();
        bool follows = false;
        for (int i = waiting; i < at; ++i) {
            if (liesWithin(up, i == waiting ? parent : parents[size_t(i - waiting - 1)])) {
                if (i + 1 < at)
                    elements[i] = spare;
                else
                    elements[i] = std::move(spare);
                follows = true;
            } else {
                elements[i] = elementAt(froms, i);
                out.open.append(i);
            }
        }
        waiting = at;
        parents.clear();
        if (follows) {
            element = newPlace(spare);
            fresh = true;
        } else {
            element = d->place(spare.id());
        }
    }
    // Had the second query missed one, elements of the two could have been
    // taken for one another: every one is left open.
    if (at < count) {
        waiting = 0;
        out.open.clear();
    }
    for (; waiting < count; ++waiting) {
        elements[waiting] = elementAt(froms, waiting);
        out.open.append(waiting);
    }
    return out;
}

PageDom::TestedElements WebKitPageDom::selectByText(const PageElement& root, const QString& selector,
                                                    const TextTest& test)
{
    TestedElements out;
    const QWebElement& e = ENGINE(root);
    if (e.isNull())
        return out;
    const QWebElementCollection found = e.findAll(selector);
    const int count = found.count();
    // From the first element that holds an element on, the rest go untested.
    const auto untestedFrom = [&](int first) {
        out.untested.resize(count - first);
        out.untestedAt.resize(count - first);
        for (int k = first; k < count; ++k) {
            out.untested[k - first] = elementAt(found, k);
            out.untestedAt[k - first] = k;
        }
    };
    for (int i = 0; i < count; ++i) {
        const QWebElement element = found.at(i);
        // The first of the list is often the container of all the others:
        // whether it holds an element is asked before its markup is read.
        if (i == 0 && !element.firstChild().isNull()) {
            untestedFrom(0);
            break;
        }
        const QString content = element.toInnerXml();
        TextTest::Answer answer = content.isEmpty() ? TextTest::Unknown : test.fromMarkup(content);
        if (answer == TextTest::Unknown) {
            // Markup that answers holds no tag; where it cannot, and shows
            // one, the engine is asked whether that is an element.
            if (i > 0 && content.contains(QLatin1Char('<')) && !element.firstChild().isNull()) {
                untestedFrom(i);
                break;
            }
            answer = test.passes(element.toPlainText()) ? TextTest::Passes : TextTest::Fails;
        }
        if (answer == TextTest::Passes) {
            out.passed.append(wrap(element));
            out.passedAt.append(i);
        }
    }
    return out;
}

#undef ENGINE

} // namespace Vexal
