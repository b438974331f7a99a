#include "exchange/XmlBookmark.h"

#include "views/DBBookmark.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlBookmark::XmlBookmark(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBBookmark(this))
{
    setRecord(m_item);
}

void XmlBookmark::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendPixmap(document, item, DBSql::colIcon(), m_item->iconImage());
    appendText(document, item, DBSql::colTitle(), m_item->title());
    appendText(document, item, DBSql::colURL(), m_item->url());
    appendBool(document, item, DBSql::colVisible(), m_item->isVisible());
}

bool XmlBookmark::read(const QDomElement& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const QImage icon = readPixmap(item, DBSql::colIcon(), &ok);
    if (ok)
        m_item->setIconImage(icon);
    if (readText(item, DBSql::colTitle(), &text))
        m_item->setTitle(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    const bool visible = readBool(item, DBSql::colVisible(), &ok);
    if (ok)
        m_item->setVisible(visible);
    return true;
}

} // namespace Vexal
