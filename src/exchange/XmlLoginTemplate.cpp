#include "exchange/XmlLoginTemplate.h"

#include "automation/DBLoginTemplate.h"
#include "core/DBSql.h"

namespace Vexal {

XmlLoginTemplate::XmlLoginTemplate(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBLoginTemplate(this))
{
    setRecord(m_item);
}

void XmlLoginTemplate::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colWebsiteID(), m_item->websiteId());
    appendText(item, DBSql::colLogin(), m_item->login());
    appendText(item, DBSql::colPassword(), m_item->password());
    appendText(item, DBSql::colSubmit(), m_item->submit());
}

bool XmlLoginTemplate::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
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
    if (readText(item, DBSql::colSubmit(), &text))
        m_item->setSubmit(text);
    return true;
}

} // namespace Vexal
