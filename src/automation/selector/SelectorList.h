#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Vexal {

class Selector;

// A parsed selector: its steps, and the caption and value(s) the caller
// means to write into what it finds.
class SelectorList final : public QObject
{
    Q_OBJECT
public:
    SelectorList(const QString& caption, const QString& value, const QStringList& values,
                 QObject* parent = nullptr);

    // Takes the step over as a child and appends it.
    void addSelector(Selector* selector);
    int count() const { return m_selectors.size(); }
    Selector* at(int index) const { return m_selectors.at(index); }

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    QString value() const { return m_value; }
    void setValue(const QString& value) { m_value = value; }
    QStringList values() const { return m_values; }

    // The canonical text: the steps joined by ":".
    QString toText() const;

private:
    QList<Selector*> m_selectors;
    QString m_caption;
    QString m_value;
    QStringList m_values;
};

} // namespace Vexal
