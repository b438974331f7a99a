#include "exchange/XmlSocialBookmark.h"

#include "data/DBSocialBookmark.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlSocialBookmark::XmlSocialBookmark(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBSocialBookmark(this))
{
    setRecord(m_item);
}

void XmlSocialBookmark::write(QDomDocument& document, QDomElement& item)
{
    XmlProjectBase::write(document, item);
    appendText(document, item, DBSql::colTitle(), m_item->title());
    appendText(document, item, DBSql::colTags(), m_item->tags());
    appendText(document, item, DBSql::colURL(), m_item->url());
    appendText(document, item, DBSql::colDescription(), m_item->description());
}

bool XmlSocialBookmark::read(const QDomElement& item)
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
