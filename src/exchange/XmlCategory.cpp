#include "exchange/XmlCategory.h"

#include "data/DBCategory.h"
#include "core/DBSql.h"

namespace Vexal {

XmlCategory::XmlCategory(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBCategory(this))
{
    setRecord(m_item);
}

void XmlCategory::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colMasterID(), m_item->masterId());
}

bool XmlCategory::read(const XmlItem& item)
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
