#include "exchange/XmlCountry.h"

#include "sites/DBCountry.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlCountry::XmlCountry(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBCountry(this))
{
    setRecord(m_item);
}

void XmlCountry::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendText(document, item, DBSql::colCode(), m_item->code());
}

bool XmlCountry::read(const QDomElement& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    if (readText(item, DBSql::colCode(), &text))
        m_item->setCode(text);
    return true;
}

} // namespace Vexal
