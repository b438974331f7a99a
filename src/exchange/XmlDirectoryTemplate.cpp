#include "exchange/XmlDirectoryTemplate.h"

#include "automation/DBDirectoryTemplate.h"
#include "data/DBSql.h"

namespace Vexal {

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
    appendText(item, DBSql::colCategory(), m_item->category());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colTags(), m_item->tags());
    appendText(item, DBSql::colURL(), m_item->url());
    appendText(item, DBSql::colDescription(), m_item->description());
    appendText(item, DBSql::colUserName(), m_item->userName());
    appendText(item, DBSql::colUserEmail(), m_item->userEmail());
    appendText(item, DBSql::colRegularLink(), m_item->regularLink());
    appendText(item, DBSql::colAcceptTerms(), m_item->acceptTerms());
}

bool XmlDirectoryTemplate::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int websiteID = readInt(item, DBSql::colWebsiteID(), &ok);
    if (ok)
        m_item->setWebsiteId(websiteID);
    if (readText(item, DBSql::colCategory(), &text))
        m_item->setCategory(text);
    if (readText(item, DBSql::colTitle(), &text))
        m_item->setTitle(text);
    if (readText(item, DBSql::colTags(), &text))
        m_item->setTags(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    if (readText(item, DBSql::colDescription(), &text))
        m_item->setDescription(text);
    if (readText(item, DBSql::colUserName(), &text))
        m_item->setUserName(text);
    if (readText(item, DBSql::colUserEmail(), &text))
        m_item->setUserEmail(text);
    if (readText(item, DBSql::colRegularLink(), &text))
        m_item->setRegularLink(text);
    if (readText(item, DBSql::colAcceptTerms(), &text))
        m_item->setAcceptTerms(text);
    return true;
}

} // namespace Vexal
