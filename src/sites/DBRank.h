#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "Rank": the page rank and Alexa rank of a host on one day.
class DBRank final : public DBKind<DBRank, &DBSql::tableRank, &LocaleSql::tableRanks>
{
    Q_OBJECT
public:
    static constexpr int hostLimit = 128;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    QString host() const { return m_host; }
    QDate createDate() const { return m_createDate; }
    int google() const { return m_google; }
    int alexa() const { return m_alexa; }

    void setHost(const QString& host) { change(m_host, host, hostLimit); }
    void setCreateDate(const QDate& createDate) { change(m_createDate, createDate); }
    void setGoogle(int google) { change(m_google, google); }
    void setAlexa(int alexa) { change(m_alexa, alexa); }

private:
    QString m_host;
    QDate m_createDate;
    int m_google = 0;
    int m_alexa = 0;
};

} // namespace Vexal
