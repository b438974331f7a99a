#include "exchange/XmlHistory.h"

#include "views/DBHistory.h"
#include "data/DBSql.h"

namespace Vexal {

XmlHistory::XmlHistory(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBHistory(this))
{
    setRecord(m_item);
}

void XmlHistory::write(XmlItem& item)
{
    XmlBase::write(item);
    appendPixmap(item, DBSql::colIcon(), m_item->iconImage());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colURL(), m_item->url());
    appendDateTime(item, DBSql::colCreateDate(), m_item->createDate());
}

bool XmlHistory::read(const XmlItem& item)
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
    const QDateTime createDate = readDateTime(item, DBSql::colCreateDate(), &ok);
    if (ok)
        m_item->setCreateDate(createDate);
    return true;
}

} // namespace Vexal
