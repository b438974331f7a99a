#pragma once

#include "data/DBTypedList.h"
#include "sites/DBRank.h"

#include <QDate>

namespace Vexal {

// All stored ranks, or those of one host on one day (host and day are bound).
class DBRankList final : public DBTypedList<DBRank>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeHostDate = 1 };

    // All rows.
    explicit DBRankList(QObject* parent = nullptr);
    DBRankList(const QString& host, const QDate& date, QObject* parent = nullptr);

    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    QString host() const { return m_host; }
    QDate date() const { return m_date; }

protected:
    void fillNew(DBBase* record) const override;

private:
    QString m_host;
    QDate m_date;
};

} // namespace Vexal
