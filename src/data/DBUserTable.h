#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "UserTable": a table the user may browse (its name is the
// record's name) with the name the database browser shows for it.
class DBUserTable final : public DBBase
{
    Q_OBJECT
public:
    static constexpr int friendlyNameLimit = 128;

    explicit DBUserTable(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString friendlyName() const override;

    void setFriendlyName(const QString& name);

private:
    QString m_friendlyName;
};

} // namespace Vexal
