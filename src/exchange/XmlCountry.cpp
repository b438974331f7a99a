#include "exchange/XmlCountry.h"

#include "sites/DBCountry.h"
#include "core/DBSql.h"

namespace Vexal {

XmlCountry::XmlCountry(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBCountry(this))
{
    setRecord(m_item);
}

void XmlCountry::write(XmlItem& item)
{
    XmlBase::write(item);
    appendText(item, DBSql::colCode(), m_item->code());
}

bool XmlCountry::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    if (readText(item, DBSql::colCode(), &text))
        m_item->setCode(text);
    return true;
}

} // namespace Vexal
