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
    : DBListBase(parent)
    , m_typeFlags(0)
    , m_host(host)
{
    setPrototype(new DBWebsite(this));
    setFilterMode(ModeHost);
}

DBWebsiteList::DBWebsiteList(int typeFlags, QObject* parent)
    : DBListBase(parent)
    , m_typeFlags(typeFlags)
{
    setPrototype(new DBWebsite(this));
    setFilterMode(ModeType);
}

DBWebsiteList::DBWebsiteList(QObject* parent)
    : DBListBase(parent)
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

DBWebsite* DBWebsiteList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBWebsite*>(DBListBase::at(index));
}

DBWebsite* DBWebsiteList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBWebsite*>(record);
    }
    return nullptr;
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
