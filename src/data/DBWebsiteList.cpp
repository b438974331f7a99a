#include "data/DBWebsiteList.h"

#include "core/DBSql.h"
#include "data/DBText.h"
#include "data/DBWebsite.h"

#include <QSqlQuery>

namespace Vexal {

namespace {

QString hostPlaceholder()
{
    return QStringLiteral(":HostPattern");
}

// Hosts are stored in braces, "{host}", so that one host never matches
// inside another.
QString hostNeedle(const QString& host)
{
    return QString(QLatin1Char('{') + host + QLatin1Char('}'));
}

} // namespace

DBWebsiteList::DBWebsiteList(const QString& host, QObject* parent)
    : DBTypedList(parent)
    , m_typeFlags(0)
    , m_host(host)
{
    setFilterMode(ModeHost);
}

DBWebsiteList::DBWebsiteList(int typeFlags, QObject* parent)
    : DBTypedList(parent)
    , m_typeFlags(typeFlags)
{
    setFilterMode(ModeType);
}

DBWebsiteList::DBWebsiteList(QObject* parent)
    : DBTypedList(parent)
    , m_typeFlags(0)
{
    setFilterMode(ModeAll);
}

QString DBWebsiteList::whereText() const
{
    switch (filterMode()) {
    case ModeType:
        return QStringLiteral("%1 & %2 != 0").arg(DBSql::colType(), QString::number(m_typeFlags));
    case ModeHost:
        return DBText::containsCondition(DBSql::colHost(), hostPlaceholder(), hostNeedle(m_host));
    default:
        return DBListBase::whereText();
    }
}

void DBWebsiteList::bindWhere(QSqlQuery& query) const
{
    if (filterMode() == ModeHost)
        query.bindValue(hostPlaceholder(), hostPattern(m_host));
}

QString DBWebsiteList::hostPattern(const QString& host)
{
    return DBText::containsValue(hostNeedle(host));
}

void DBWebsiteList::fillNew(DBBase* record) const
{
    static_cast<DBWebsite*>(record)->setType(m_typeFlags);
}

} // namespace Vexal
