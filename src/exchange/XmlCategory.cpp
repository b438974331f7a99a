#include "exchange/XmlCategory.h"

#include "data/DBCategory.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlCategory::XmlCategory(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBCategory(this))
{
    setRecord(m_item);
}

void XmlCategory::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendInt(document, item, DBSql::colMasterID(), m_item->masterId());
}

bool XmlCategory::read(const QDomElement& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    const int masterID = readInt(item, DBSql::colMasterID(), &ok);
    if (ok)
        m_item->setMasterId(masterID);
    return true;
}

} // namespace Vexal
