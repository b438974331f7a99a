#pragma once

#include "shell/PageDom.h"

#include <QMap>
#include <QUrl>
#include <QVector>

#include <vector>

// A page held in memory, without the web engine: elements with attributes and
// texts, frames of their own. Its plain text is the text content (every text
// inside, in order); a void element writes no markup. Queries take tag names,
// "*", a tag (or none) with one [name="value"] or [name] and lists of these,
// not CSS at large. Writes are kept where tests can look at them.
class MemoryPageDom final : public Vexal::PageDom
{
public:
    MemoryPageDom() { m_nodes.push_back(Node{QStringLiteral("html"), {}, {}, -1, -1}); }

    // The root of the main document (the HTML element).
    int root() const { return 0; }
    int add(int parent, const QString& tag, const QMap<QString, QString>& attributes = {})
    {
        m_nodes.push_back(Node{tag.toLower(), attributes, {}, parent, -1});
        const int id = int(m_nodes.size()) - 1;
        if (parent >= 0) {
            m_nodes.back().place = int(m_nodes[size_t(parent)].content.size());
            m_nodes[size_t(parent)].content.push_back(Piece{id, QString()});
        }
        return id;
    }
    void addText(int parent, const QString& text) { m_nodes[size_t(parent)].content.push_back(Piece{-1, text}); }
    // Where a document comes from (the main one too): see frameOrigin() and
    // frameUrl().
    void setSource(int document, const QString& origin, const QUrl& url, bool designMode = false)
    {
        Node& root = m_nodes[size_t(document)];
        root.origin = origin;
        root.url = url;
        root.designMode = designMode;
    }
    // A frame element showing a document of its own; returns that document's root.
    int addFrame(int parent, const QMap<QString, QString>& attributes = {})
    {
        const int frame = add(parent, QStringLiteral("iframe"), attributes);
        const int document = add(-1, QStringLiteral("html"));
        m_nodes[size_t(frame)].frame = document;
        m_frames.push_back(frame);
        return document;
    }
    // A form in a body, of so many rows, each a DIV holding a LABEL ("Field
    // i"), a SPAN and an INPUT (named "fi"); labelled, the LABEL names the
    // INPUT by its id ("fi").
    void addForm(int rows, bool labelled = false)
    {
        const int form = add(add(root(), QStringLiteral("body")), QStringLiteral("form"));
        for (int i = 0; i < rows; ++i) {
            const QString name = QStringLiteral("f%1").arg(i);
            QMap<QString, QString> label;
            QMap<QString, QString> input{{QStringLiteral("name"), name}};
            if (labelled) {
                label.insert(QStringLiteral("for"), name);
                input.insert(QStringLiteral("id"), name);
            }
            const int row = add(form, QStringLiteral("div"));
            addText(add(row, QStringLiteral("label"), label), QStringLiteral("Field %1").arg(i));
            add(row, QStringLiteral("span"));
            add(row, QStringLiteral("input"), input);
        }
    }
    int count() const { return int(m_nodes.size()); }
    Vexal::PageElement at(int id) { return element(id); }

    // What the writes did.
    QStringList actions;
    // How many nodes and texts its reads went through: the work a task asked
    // of the page, counted so that no clock decides a test.
    qint64 work = 0;

    Vexal::PageElement documentElement() override { return element(0); }

    Vexal::PageElements select(const Vexal::PageElement& root, const QString& selector) override
    {
        Vexal::PageElements out;
        if (own(root))
            collect(root.id(), queries(selector), false, out, false);
        return out;
    }

    Vexal::PageElement selectFirst(const Vexal::PageElement& root, const QString& selector) override
    {
        Vexal::PageElements out;
        if (own(root))
            collect(root.id(), queries(selector), false, out, true);
        return out.isEmpty() ? Vexal::PageElement() : out.first();
    }

    bool takesCss() const override { return false; }

    Vexal::PageElement parent(const Vexal::PageElement& e) override
    {
        return own(e) && node(e).parent >= 0 ? element(node(e).parent) : Vexal::PageElement();
    }

    Vexal::PageElement firstChild(const Vexal::PageElement& e) override
    {
        return own(e) ? childAfter(e.id(), -1) : Vexal::PageElement();
    }

    Vexal::PageElement nextSibling(const Vexal::PageElement& e) override
    {
        return own(e) && node(e).parent >= 0 ? childAfter(node(e).parent, e.id()) : Vexal::PageElement();
    }

    Vexal::PageElement previousSibling(const Vexal::PageElement& e) override
    {
        if (!own(e) || node(e).parent < 0)
            return Vexal::PageElement();
        const std::vector<Piece>& content = m_nodes[size_t(node(e).parent)].content;
        for (int i = placeOf(e.id()) - 1; i >= 0; --i) {
            ++work;
            if (content[size_t(i)].child >= 0)
                return element(content[size_t(i)].child);
        }
        return Vexal::PageElement();
    }

    Vexal::PageElement frameDocument(const Vexal::PageElement& e, bool nested) override
    {
        if (!own(e) || node(e).frame < 0)
            return Vexal::PageElement();
        int top = e.id();
        while (m_nodes[size_t(top)].parent >= 0)
            top = m_nodes[size_t(top)].parent;
        return nested || top == 0 ? element(node(e).frame) : Vexal::PageElement();
    }

    Vexal::PageElements frameDocuments(const Vexal::PageElement& document) override
    {
        Vexal::PageElements out;
        for (const int frame : m_frames) {
            int top = frame;
            while (m_nodes[size_t(top)].parent >= 0)
                top = m_nodes[size_t(top)].parent;
            if (own(document) && top == document.id())
                out << element(m_nodes[size_t(frame)].frame);
        }
        return out;
    }

    QString tagName(const Vexal::PageElement& e) override { return own(e) ? node(e).tag.toUpper() : QString(); }
    QString localName(const Vexal::PageElement& e) override { return own(e) ? node(e).tag : QString(); }
    QString namespaceUri(const Vexal::PageElement& e) override
    {
        return own(e) ? QStringLiteral("http://www.w3.org/1999/xhtml") : QString();
    }
    QString attribute(const Vexal::PageElement& e, const QString& name) override
    {
        return own(e) ? node(e).attributes.value(name.toLower()) : QString();
    }
    bool hasAttribute(const Vexal::PageElement& e, const QString& name) override
    {
        return own(e) && node(e).attributes.contains(name.toLower());
    }
    QStringList attributeNames(const Vexal::PageElement& e) override
    {
        return own(e) ? node(e).attributes.keys() : QStringList();
    }

    QString plainText(const Vexal::PageElement& e) override { return own(e) ? text(e.id()) : QString(); }

    QString markup(const Vexal::PageElement& e) override { return own(e) ? inner(e.id()) : QString(); }

    // No script runs here: a control holds what its value attribute says.
    QString heldValue(const Vexal::PageElement& e) override { return attribute(e, QStringLiteral("value")); }

    // Only LABEL elements name a control here.
    QString labelText(const Vexal::PageElement& e) override
    {
        QString found;
        const QString id = attribute(e, QStringLiteral("id"));
        for (const Vexal::PageElement& label : select(documentElement(), QStringLiteral("label"))) {
            if (!id.isEmpty() && attribute(label, QStringLiteral("for")) == id)
                found += plainText(label);
        }
        return found;
    }
    QString outerMarkup(const Vexal::PageElement& e) override { return own(e) ? outer(e.id()) : QString(); }
    Vexal::PageElement frameElement(const Vexal::PageElement& document) override
    {
        for (const int frame : m_frames) {
            if (own(document) && m_nodes[size_t(frame)].frame == document.id())
                return element(frame);
        }
        return Vexal::PageElement();
    }
    QUrl frameUrl(const Vexal::PageElement& document) override { return own(document) ? node(document).url : QUrl(); }
    QString frameOrigin(const Vexal::PageElement& document) override
    {
        return own(document) ? node(document).origin : QString();
    }
    bool isDesignMode(const Vexal::PageElement& document) override
    {
        return own(document) && node(document).designMode;
    }

    // Every element takes a box of a usual size: laid out and in sight.
    QRect geometry(const Vexal::PageElement& e) override { return own(e) ? QRect(0, 0, 100, 20) : QRect(); }
    QString style(const Vexal::PageElement&, const QString&, StyleKind) override { return QString(); }
    QStringList describeTexts(const Vexal::PageElement&, int, bool, bool) override { return {}; }
    // Texts here have no styles.
    bool mayHideFirstLetters(const Vexal::PageElement&, bool) override { return false; }

    void setAttribute(const Vexal::PageElement& e, const QString& name, const QString& value) override
    {
        if (own(e))
            m_nodes[size_t(e.id())].attributes.insert(name.toLower(), value);
    }
    void removeAttribute(const Vexal::PageElement& e, const QString& name) override
    {
        if (own(e))
            m_nodes[size_t(e.id())].attributes.remove(name.toLower());
    }
    void setValue(const Vexal::PageElement& e, const QString& value) override
    {
        setAttribute(e, QStringLiteral("value"), value);
        actions << QStringLiteral("value %1=%2").arg(e.id()).arg(value);
    }
    void setChecked(const Vexal::PageElement& e, bool checked) override
    {
        if (checked)
            setAttribute(e, QStringLiteral("checked"), QStringLiteral("true"));
        else
            removeAttribute(e, QStringLiteral("checked"));
        actions << QStringLiteral("checked %1=%2").arg(e.id()).arg(checked);
    }
    void selectIndex(const Vexal::PageElement& e, int index) override
    {
        actions << QStringLiteral("index %1=%2").arg(e.id()).arg(index);
    }
    void setPlainText(const Vexal::PageElement& e, const QString& value) override
    {
        if (!own(e))
            return;
        m_nodes[size_t(e.id())].content = {Piece{-1, value}};
        actions << QStringLiteral("text %1=%2").arg(e.id()).arg(value);
    }
    void setMarkup(const Vexal::PageElement& e, const QString& value) override
    {
        actions << QStringLiteral("markup %1=%2").arg(e.id()).arg(value);
    }
    void setStyle(const Vexal::PageElement& e, const QString& property, const QString& value) override
    {
        actions << QStringLiteral("style %1 %2=%3").arg(e.id()).arg(property, value);
    }
    void click(const Vexal::PageElement& e) override { actions << QStringLiteral("click %1").arg(e.id()); }
    void submit(const Vexal::PageElement& e) override { actions << QStringLiteral("submit %1").arg(e.id()); }

protected:
    bool same(int a, int b) override { return a == b; }

private:
    // A child in the content of an element: an element (child >= 0) or a text.
    struct Piece {
        int child;
        QString text;
    };
    struct Node {
        QString tag;
        QMap<QString, QString> attributes;
        std::vector<Piece> content;
        int parent;
        int frame;
        // Of a document's root.
        QString origin;
        QUrl url;
        bool designMode = false;
        int place = -1; // in the parent's content
    };
    // One selector of a list: a tag name (empty for any) and an attribute
    // that must hold a value (or only be set: anyValue).
    struct Query
    {
        QString tag;
        QString attribute;
        QString value;
        bool anyValue = false;
    };

    static QVector<Query> queries(const QString& selector)
    {
        QVector<Query> out;
        for (QString part : selector.split(QLatin1Char(','))) {
            part = part.trimmed();
            Query query;
            const int open = part.indexOf(QLatin1Char('['));
            query.tag = (open < 0 ? part : part.left(open)).toLower();
            if (query.tag == QLatin1String("*"))
                query.tag.clear();
            if (open >= 0) {
                const QString condition = part.mid(open + 1, part.lastIndexOf(QLatin1Char(']')) - open - 1);
                const int equals = condition.indexOf(QLatin1Char('='));
                query.attribute = condition.left(equals).toLower();
                // Without a value, the attribute set at all.
                query.anyValue = equals < 0;
                if (equals >= 0) {
                    query.value = condition.mid(equals + 1);
                    if (query.value.startsWith(QLatin1Char('"')))
                        query.value = query.value.mid(1, query.value.size() - 2);
                    query.value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
                }
            }
            out << query;
        }
        return out;
    }

    bool matches(int id, const QVector<Query>& list) const
    {
        const Node& n = m_nodes[size_t(id)];
        for (const Query& query : list) {
            if ((query.tag.isEmpty() || n.tag == query.tag)
                && (query.attribute.isEmpty()
                    || (n.attributes.contains(query.attribute)
                        && (query.anyValue || n.attributes.value(query.attribute) == query.value))))
                return true;
        }
        return false;
    }

    static bool isVoid(const QString& tag)
    {
        static const QStringList voids = {QStringLiteral("input"), QStringLiteral("br"), QStringLiteral("hr"),
                                          QStringLiteral("img")};
        return voids.contains(tag);
    }

    bool own(const Vexal::PageElement& e) const
    {
        return e.dom() == this && e.id() >= 0 && size_t(e.id()) < m_nodes.size();
    }
    const Node& node(const Vexal::PageElement& e) const { return m_nodes[size_t(e.id())]; }

    // Where the child stands in its parent's content (each sibling step
    // starts there, so that a walk over many siblings stays linear).
    int placeOf(int child)
    {
        const Node& n = m_nodes[size_t(child)];
        const std::vector<Piece>& content = m_nodes[size_t(n.parent)].content;
        if (n.place >= 0 && n.place < int(content.size()) && content[size_t(n.place)].child == child)
            return n.place;
        for (int i = 0; i < int(content.size()); ++i) {
            ++work;
            if (content[size_t(i)].child == child)
                return i;
        }
        return int(content.size());
    }

    Vexal::PageElement childAfter(int parent, int after)
    {
        const std::vector<Piece>& content = m_nodes[size_t(parent)].content;
        for (int i = after < 0 ? 0 : placeOf(after) + 1; i < int(content.size()); ++i) {
            ++work;
            if (content[size_t(i)].child >= 0)
                return element(content[size_t(i)].child);
        }
        return Vexal::PageElement();
    }

    void collect(int id, const QVector<Query>& list, bool self, Vexal::PageElements& out, bool first)
    {
        ++work;
        if (self && matches(id, list))
            out << element(id);
        for (const Piece& piece : m_nodes[size_t(id)].content) {
            if (first && !out.isEmpty())
                return;
            if (piece.child >= 0)
                collect(piece.child, list, true, out, first);
        }
    }

    QString text(int id)
    {
        QString out;
        for (const Piece& piece : m_nodes[size_t(id)].content) {
            ++work;
            out += piece.child >= 0 ? text(piece.child) : piece.text;
        }
        return out;
    }

    QString inner(int id)
    {
        if (isVoid(m_nodes[size_t(id)].tag))
            return QString();
        QString out;
        for (const Piece& piece : m_nodes[size_t(id)].content) {
            ++work;
            out += piece.child < 0 ? piece.text.toHtmlEscaped() : outer(piece.child);
        }
        return out;
    }

    QString outer(int id)
    {
        const Node& n = m_nodes[size_t(id)];
        QString out = QLatin1Char('<') + n.tag;
        for (auto a = n.attributes.cbegin(); a != n.attributes.cend(); ++a)
            out += QStringLiteral(" %1=\"%2\"").arg(a.key(), a.value().toHtmlEscaped());
        out += QLatin1Char('>') + inner(id);
        if (!isVoid(n.tag))
            out += QStringLiteral("</") + n.tag + QLatin1Char('>');
        return out;
    }

    std::vector<Node> m_nodes;
    std::vector<int> m_frames;
};
