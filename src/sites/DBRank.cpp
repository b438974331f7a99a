#include "sites/DBRank.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBRank::DBRank(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBRank::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colHost, &DBRank::m_host, hostLimit),
                                    DBField::date(&DBSql::colCreateDate, &DBRank::m_createDate),
                                    DBField::integer(&DBSql::colGoogle, &DBRank::m_google),
                                    DBField::integer(&DBSql::colAlexa, &DBRank::m_alexa),
                                });
    return table;
}

DBBase* DBRank::create(QObject* parent) const
{
    return new DBRank(parent);
}

QString DBRank::tableName() const
{
    return DBSql::tableRank();
}

QString DBRank::displayName() const
{
    return LocaleSql::tableRanks();
}

void DBRank::setHost(const QString& host)
{
    markModified();
    m_host = Convert::leftText(host, hostLimit);
}

void DBRank::setCreateDate(const QDate& createDate)
{
    markModified();
    m_createDate = createDate;
}

void DBRank::setGoogle(int google)
{
    markModified();
    m_google = google;
}

void DBRank::setAlexa(int alexa)
{
    markModified();
    m_alexa = alexa;
}

} // namespace Vexal
