#pragma once

#include <QString>
#include <QVector>

namespace Vexal {

// One "item" of an exchange file in a light form: the item's tag name and,
// for each of its child nodes, the node's name and the value of the node's
// first child. This is all that reading and writing a record needs, without
// a document tree.
class XmlItem
{
public:
    struct Child
    {
        QString name;
        QString text;              // value of the node's first child node
        bool isElement = true;
        bool hasChildNodes = false; // an empty or whitespace-only text gives none
    };

    XmlItem() = default;

    const QString& tagName() const { return m_tagName; }
    void setTagName(const QString& tagName) { m_tagName = tagName; }
    const QVector<Child>& children() const { return m_children; }
    QVector<Child>& children() { return m_children; }

    // A child element holding one text node (possibly empty), as written.
    void append(const QString& name, const QString& text);
    void clear() { m_children.clear(); }

    // The value of the first child node of the first child named exactly
    // `name` that has child nodes; "" when there is none.
    QString childText(const QString& name) const;
    // Whether a child element is named exactly `name`.
    bool hasElement(const QString& name) const;
    // hasElement() and childText() in one pass: false when there is no such
    // element; otherwise true, with *text set to childText(name).
    bool find(const QString& name, QString* text) const;
    // find() without a copy: the text, or null when there is no such element.
    const QString* findText(const QString& name) const;

private:
    QString m_tagName;
    QVector<Child> m_children;
};

} // namespace Vexal
