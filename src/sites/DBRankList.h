#pragma once

#include "data/DBListBase.h"

#include <QDate>

namespace Vexal {

class DBRank;

// All stored ranks, or those of one host on one day (host and day are bound).
class DBRankList : public DBListBase
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeHostDate = 1 };

    // All rows.
    explicit DBRankList(QObject* parent = nullptr);
    DBRankList(const QString& host, const QDate& date, QObject* parent = nullptr);

    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    // Null outside the list, and when the entry is of another class.
    DBRank* at(int index) const;
    DBRank* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBRank* firstOrCreate();

    QString host() const { return m_host; }
    QDate date() const { return m_date; }

private:
    QString m_host;
    QDate m_date;
};

} // namespace Vexal
