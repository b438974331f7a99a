#include "exchange/XmlRank.h"

#include "sites/DBRank.h"
#include "core/DBSql.h"

namespace Vexal {

XmlRank::XmlRank(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBRank(this))
{
    setRecord(m_item);
}

void XmlRank::write(XmlItem& item)
{
    XmlBase::write(item);
    appendText(item, DBSql::colHost(), m_item->host());
    appendDate(item, DBSql::colCreateDate(), m_item->createDate());
    appendInt(item, DBSql::colGoogle(), m_item->google());
    appendInt(item, DBSql::colAlexa(), m_item->alexa());
}

bool XmlRank::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    if (readText(item, DBSql::colHost(), &text))
        m_item->setHost(text);
    const QDate createDate = readDate(item, DBSql::colCreateDate(), &ok);
    if (ok)
        m_item->setCreateDate(createDate);
    const int google = readInt(item, DBSql::colGoogle(), &ok);
    if (ok)
        m_item->setGoogle(google);
    const int alexa = readInt(item, DBSql::colAlexa(), &ok);
    if (ok)
        m_item->setAlexa(alexa);
    return true;
}

} // namespace Vexal
