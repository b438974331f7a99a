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
    : DBTypedList(parent)
{
    setFilterMode(ModeAll);
}

DBRankList::DBRankList(const QString& host, const QDate& date, QObject* parent)
    : DBTypedList(parent)
    , m_host(host)
    , m_date(date)
{
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

void DBRankList::fillNew(DBBase* record) const
{
    if (filterMode() != ModeHostDate)
        return;
    auto* rank = static_cast<DBRank*>(record);
    rank->setHost(m_host);
    rank->setCreateDate(m_date);
}

} // namespace Vexal
