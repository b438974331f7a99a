#include "exchange/XmlAddress.h"

#include "sites/DBAddress.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlAddress::XmlAddress(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBAddress(this))
{
    setRecord(m_item);
}

void XmlAddress::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendInt(document, item, DBSql::colCountryID(), m_item->countryId());
    appendText(document, item, DBSql::colDetails(), m_item->details());
}

bool XmlAddress::read(const QDomElement& item)
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
