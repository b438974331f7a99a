#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "UserTable": a table the user may browse (its name is the
// record's name) with the name the database browser shows for it.
class DBUserTable final : public DBKind<DBUserTable, &DBSql::tableUserTable>
{
    Q_OBJECT
public:
    static constexpr int friendlyNameLimit = 128;

    using DBKind::DBKind;

    const DBFields& fields() const override;
    QString friendlyName() const override;

    void setFriendlyName(const QString& name) { change(m_friendlyName, name, friendlyNameLimit); }

private:
    QString m_friendlyName;
};

} // namespace Vexal
