#include "exchange/XmlAccount.h"

#include "data/DBAccount.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlAccount::XmlAccount(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBAccount(this))
{
    setRecord(m_item);
}

void XmlAccount::write(QDomDocument& document, QDomElement& item)
{
    XmlProjectBase::write(document, item);
    appendInt(document, item, DBSql::colWebsiteID(), m_item->websiteId());
    appendText(document, item, DBSql::colLogin(), m_item->login());
    appendText(document, item, DBSql::colPassword(), m_item->password());
}

bool XmlAccount::read(const QDomElement& item)
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
