#include "exchange/XmlSocialBookmarkTemplate.h"

#include "automation/DBSocialBookmarkTemplate.h"
#include "core/DBSql.h"

namespace Vexal {

XmlSocialBookmarkTemplate::XmlSocialBookmarkTemplate(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBSocialBookmarkTemplate(this))
{
    setRecord(m_item);
}

void XmlSocialBookmarkTemplate::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colWebsiteID(), m_item->websiteId());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colTags(), m_item->tags());
    appendText(item, DBSql::colURL(), m_item->url());
    appendText(item, DBSql::colDescription(), m_item->description());
}

bool XmlSocialBookmarkTemplate::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int websiteID = readInt(item, DBSql::colWebsiteID(), &ok);
    if (ok)
        m_item->setWebsiteId(websiteID);
    if (readText(item, DBSql::colTitle(), &text))
        m_item->setTitle(text);
    if (readText(item, DBSql::colTags(), &text))
        m_item->setTags(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    if (readText(item, DBSql::colDescription(), &text))
        m_item->setDescription(text);
    return true;
}

} // namespace Vexal
