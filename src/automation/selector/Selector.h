#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace Vexal {

class SelectorAttribute;

// One step of a selector: a tag or keyword and its conditions.
class Selector final : public QObject
{
    Q_OBJECT
public:
    enum Kind {
        KindTag = 0,
        KindIframe = 2,
        KindForm = 3,
        KindTextarea = 4,
        KindSelect = 5,
        KindParent = 6,
        KindChild = 7,
        KindSibling = 8,
        KindNext = 9
    };
    enum Join {
        JoinAll = 0,
        JoinAny = 1,
        JoinUnset = 2
    };

    explicit Selector(QObject* parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }
    int kind() const { return m_kind; }
    void setKind(int kind) { m_kind = kind; }
    int join() const { return m_join; }
    void setJoin(int join) { m_join = join; }

    // Takes the condition over as a child and appends it.
    void addAttribute(SelectorAttribute* attribute);
    int attributeCount() const { return m_attributes.size(); }
    SelectorAttribute* attributeAt(int index) const { return m_attributes.at(index); }

    // Appends the canonical text of the step.
    void toText(QString& out) const;

private:
    QString m_tag;
    QList<SelectorAttribute*> m_attributes;
    int m_kind = KindTag;
    int m_join = JoinUnset;
};

} // namespace Vexal
