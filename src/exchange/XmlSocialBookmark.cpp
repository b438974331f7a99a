#include "exchange/XmlSocialBookmark.h"

#include "data/DBSocialBookmark.h"
#include "core/DBSql.h"

namespace Vexal {

XmlSocialBookmark::XmlSocialBookmark(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBSocialBookmark(this))
{
    setRecord(m_item);
}

void XmlSocialBookmark::write(XmlItem& item)
{
    XmlProjectBase::write(item);
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colTags(), m_item->tags());
    appendText(item, DBSql::colURL(), m_item->url());
    appendText(item, DBSql::colDescription(), m_item->description());
}

bool XmlSocialBookmark::read(const XmlItem& item)
{
    if (!XmlProjectBase::read(item))
        return false;
    QString text;
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
