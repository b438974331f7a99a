#include "sites/DBRankList.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "sites/DBRank.h"

#include <QSqlQuery>

namespace Vexal {

namespace {

QString hostPlaceholder()
{
    return QStringLiteral(":LookupHost");
}

QString datePlaceholder()
{
    return QStringLiteral(":LookupDate");
}

} // namespace

DBRankList::DBRankList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBRank(this));
    setFilterMode(ModeAll);
}

DBRankList::DBRankList(const QString& host, const QDate& date, QObject* parent)
    : DBListBase(parent)
    , m_host(host)
    , m_date(date)
{
    setPrototype(new DBRank(this));
    setFilterMode(ModeHostDate);
}

QString DBRankList::whereText() const
{
    if (filterMode() == ModeHostDate)
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colHost(), hostPlaceholder(), DBSql::colCreateDate(), datePlaceholder());
    return DBListBase::whereText();
}

void DBRankList::bindWhere(QSqlQuery& query) const
{
    if (filterMode() != ModeHostDate)
        return;
    query.bindValue(hostPlaceholder(), Convert::leftText(m_host, DBRank::hostLimit));
    query.bindValue(datePlaceholder(), DBBase::dateValue(m_date));
}

DBRank* DBRankList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBRank*>(DBListBase::at(index));
}

DBRank* DBRankList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBRank*>(record);
    }
    return nullptr;
}

DBRank* DBRankList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* rank = new DBRank(this);
    if (filterMode() == ModeHostDate) {
        rank->setHost(m_host);
        rank->setCreateDate(m_date);
    }
    append(rank);
    return rank;
}

} // namespace Vexal
