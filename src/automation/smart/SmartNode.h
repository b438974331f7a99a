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
    QString name() const;
    QString id() const;

protected:
    // "<TAG type='...' id='...' name='...'>".
    QString elementText() const;

    PageElement m_element;
};

} // namespace Vexal
