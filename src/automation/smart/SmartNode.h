#pragma once

#include "shell/PageDom.h"

#include <QObject>
#include <QString>

namespace Vexal {

// A page element as smart recognition reads it: the attributes it compares
// and the way the report shows the element.
class SmartNode : public QObject
{
    Q_OBJECT
public:
    explicit SmartNode(QObject* parent);

    const PageElement& element() const { return m_element; }

    QString typeAttribute() const;
    // The element's name and id, read from the page once.
    const QString& name() const;
    const QString& id() const;

protected:
    // "<TAG type='...' id='...' name='...'>".
    QString elementText() const;
    void setNodeElement(const PageElement& element);

    PageElement m_element;

private:
    void readNames() const;

    mutable QString m_name;
    mutable QString m_id;
    mutable bool m_namesRead = false;
};

} // namespace Vexal
