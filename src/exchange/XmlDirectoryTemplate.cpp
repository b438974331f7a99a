#include "exchange/XmlDirectoryTemplate.h"

#include "automation/DBDirectoryTemplate.h"
#include "core/DBSql.h"

namespace Vexal {

namespace {

// Every column after WebsiteID, in file order.
const XmlBase::TextField<DBDirectoryTemplate> textFields[] = {
    {&DBSql::colCategory, &DBDirectoryTemplate::category, &DBDirectoryTemplate::setCategory},
    {&DBSql::colTitle, &DBDirectoryTemplate::title, &DBDirectoryTemplate::setTitle},
    {&DBSql::colTags, &DBDirectoryTemplate::tags, &DBDirectoryTemplate::setTags},
    {&DBSql::colURL, &DBDirectoryTemplate::url, &DBDirectoryTemplate::setUrl},
    {&DBSql::colDescription, &DBDirectoryTemplate::description, &DBDirectoryTemplate::setDescription},
    {&DBSql::colUserName, &DBDirectoryTemplate::userName, &DBDirectoryTemplate::setUserName},
    {&DBSql::colUserEmail, &DBDirectoryTemplate::userEmail, &DBDirectoryTemplate::setUserEmail},
    {&DBSql::colRegularLink, &DBDirectoryTemplate::regularLink, &DBDirectoryTemplate::setRegularLink},
    {&DBSql::colAcceptTerms, &DBDirectoryTemplate::acceptTerms, &DBDirectoryTemplate::setAcceptTerms},
};

} // namespace

XmlDirectoryTemplate::XmlDirectoryTemplate(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBDirectoryTemplate(this))
{
    setRecord(m_item);
}

void XmlDirectoryTemplate::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colWebsiteID(), m_item->websiteId());
    appendTexts(item, m_item, textFields);
}

bool XmlDirectoryTemplate::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    const int websiteID = readInt(item, DBSql::colWebsiteID(), &ok);
    if (ok)
        m_item->setWebsiteId(websiteID);
    readTexts(item, m_item, textFields);
    return true;
}

} // namespace Vexal
