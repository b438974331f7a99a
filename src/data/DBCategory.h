#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "Category"; MasterID names the master category (-1 = none).
class DBCategory final : public DBBase
{
    Q_OBJECT
public:
    explicit DBCategory(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    int masterId() const { return m_masterId; }
    void setMasterId(int masterId);

private:
    int m_masterId = -1;
};

} // namespace Vexal
