#include "exchange/XmlBookmark.h"

#include "views/DBBookmark.h"
#include "data/DBSql.h"

namespace Vexal {

XmlBookmark::XmlBookmark(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBBookmark(this))
{
    setRecord(m_item);
}

void XmlBookmark::write(XmlItem& item)
{
    XmlBase::write(item);
    appendPixmap(item, DBSql::colIcon(), m_item->iconImage());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colURL(), m_item->url());
    appendBool(item, DBSql::colVisible(), m_item->isVisible());
}

bool XmlBookmark::read(const XmlItem& item)
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
