#include "exchange/XmlHistory.h"

#include "data/DBHistory.h"
#include "core/DBSql.h"

namespace Vexal {

XmlHistory::XmlHistory(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBHistory(this))
{
    setRecord(m_item);
}

void XmlHistory::write(XmlItem& item)
{
    XmlBase::write(item);
    writePage(item, m_item);
    appendDateTime(item, DBSql::colCreateDate(), m_item->createDate());
}

bool XmlHistory::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    readPage(item, m_item);
    bool ok = false;
    const QDateTime createDate = readDateTime(item, DBSql::colCreateDate(), &ok);
    if (ok)
        m_item->setCreateDate(createDate);
    return true;
}

} // namespace Vexal
