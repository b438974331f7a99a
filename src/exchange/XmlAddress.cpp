#include "exchange/XmlAddress.h"

#include "sites/DBAddress.h"
#include "core/DBSql.h"

namespace Vexal {

XmlAddress::XmlAddress(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBAddress(this))
{
    setRecord(m_item);
}

void XmlAddress::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colCountryID(), m_item->countryId());
    appendText(item, DBSql::colDetails(), m_item->details());
}

bool XmlAddress::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int countryID = readInt(item, DBSql::colCountryID(), &ok);
    if (ok)
        m_item->setCountryId(countryID);
    if (readText(item, DBSql::colDetails(), &text))
        m_item->setDetails(text);
    return true;
}

} // namespace Vexal
