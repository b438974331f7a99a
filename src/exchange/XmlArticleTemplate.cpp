#include "exchange/XmlArticleTemplate.h"

#include "automation/DBArticleTemplate.h"
#include "core/DBSql.h"

namespace Vexal {

XmlArticleTemplate::XmlArticleTemplate(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBArticleTemplate(this))
{
    setRecord(m_item);
}

void XmlArticleTemplate::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colWebsiteID(), m_item->websiteId());
    appendText(item, DBSql::colCategory(), m_item->category());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colTags(), m_item->tags());
    appendText(item, DBSql::colAuthor(), m_item->author());
    appendText(item, DBSql::colIntro(), m_item->intro());
    appendText(item, DBSql::colBody(), m_item->body());
}

bool XmlArticleTemplate::read(const XmlItem& item)
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
    if (readText(item, DBSql::colAuthor(), &text))
        m_item->setAuthor(text);
    if (readText(item, DBSql::colIntro(), &text))
        m_item->setIntro(text);
    if (readText(item, DBSql::colBody(), &text))
        m_item->setBody(text);
    return true;
}

} // namespace Vexal
