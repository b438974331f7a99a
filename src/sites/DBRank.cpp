#include "sites/DBRank.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

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
