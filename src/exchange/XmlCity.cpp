#include "exchange/XmlCity.h"

#include "sites/DBCity.h"
#include "core/DBSql.h"

namespace Vexal {

XmlCity::XmlCity(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBCity(this))
{
    setRecord(m_item);
}

void XmlCity::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colCountryID(), m_item->countryId());
    appendText(item, DBSql::colProvince(), m_item->province());
}

bool XmlCity::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int countryID = readInt(item, DBSql::colCountryID(), &ok);
    if (ok)
        m_item->setCountryId(countryID);
    if (readText(item, DBSql::colProvince(), &text))
        m_item->setProvince(text);
    return true;
}

} // namespace Vexal
