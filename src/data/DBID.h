#pragma once

#include "data/DBBase.h"

namespace Vexal {

// A record that knows only its id and the table it belongs to.
class DBID final : public DBBase
{
    Q_OBJECT
public:
    static constexpr int tableNameLimit = 128;

    explicit DBID(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QStringList columns() const override;

    void setTableName(const QString& table) { change(m_tableName, table, tableNameLimit); }

private:
    QString m_tableName;
};

} // namespace Vexal
