#include "exchange/XmlAccount.h"

#include "data/DBAccount.h"
#include "core/DBSql.h"

namespace Vexal {

XmlAccount::XmlAccount(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBAccount(this))
{
    setRecord(m_item);
}

void XmlAccount::write(XmlItem& item)
{
    XmlProjectBase::write(item);
    appendInt(item, DBSql::colWebsiteID(), m_item->websiteId());
    appendText(item, DBSql::colLogin(), m_item->login());
    appendText(item, DBSql::colPassword(), m_item->password());
}

bool XmlAccount::read(const XmlItem& item)
{
    if (!XmlProjectBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int websiteID = readInt(item, DBSql::colWebsiteID(), &ok);
    if (ok)
        m_item->setWebsiteId(websiteID);
    if (readText(item, DBSql::colLogin(), &text))
        m_item->setLogin(text);
    if (readText(item, DBSql::colPassword(), &text))
        m_item->setPassword(text);
    return true;
}

} // namespace Vexal
