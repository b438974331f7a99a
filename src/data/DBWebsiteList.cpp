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

} // namespace

DBWebsiteList::DBWebsiteList(const QString& host, QObject* parent)
    : DBTypedList(parent)
    , m_typeFlags(0)
    , m_host(host)
{
    setPrototype(new DBWebsite(this));
    setFilterMode(ModeHost);
}

DBWebsiteList::DBWebsiteList(int typeFlags, QObject* parent)
    : DBTypedList(parent)
    , m_typeFlags(typeFlags)
{
    setPrototype(new DBWebsite(this));
    setFilterMode(ModeType);
}

DBWebsiteList::DBWebsiteList(QObject* parent)
    : DBTypedList(parent)
    , m_typeFlags(0)
{
    setPrototype(new DBWebsite(this));
    setFilterMode(ModeAll);
}

QString DBWebsiteList::whereText() const
{
    switch (filterMode()) {
    case ModeType:
        return QStringLiteral("%1 & %2 != 0").arg(DBSql::colType(), QString::number(m_typeFlags));
    case ModeHost:
        return QStringLiteral("%1 LIKE %2 %3").arg(DBSql::colHost(), hostPlaceholder(), DBText::likeEscape());
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
    return QString(QLatin1String("%{") + DBText::escapeLike(host) + QLatin1String("}%"));
}

DBWebsite* DBWebsiteList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* website = new DBWebsite(this);
    website->setType(m_typeFlags);
    append(website);
    return website;
}

} // namespace Vexal
