#pragma once

#include "core/DBSql.h"
#include "data/DBBase.h"
#include "texts/LocaleSql.h"

namespace Vexal {

// What only names a record kind: its factory, its table and the name users
// see for its rows. A record class derives from DBKind over itself, those two
// name getters and its base, and keeps to its fields.
template <class Record, QString (*table)(), QString (*display)() = nullptr, class Base = DBBase>
class DBKind : public Base
{
public:
    explicit DBKind(QObject* parent = nullptr)
        : Base(parent)
    {
    }
    // For bases that take the kind's field table.
    DBKind(const DBFields& fields, QObject* parent)
        : Base(fields, parent)
    {
    }

    DBBase* create(QObject* parent) const override { return new Record(parent); }
    QString tableName() const override { return table(); }
    // A kind users never see by name has none.
    QString displayName() const override
    {
        if constexpr (display == nullptr)
            return QString();
        else
            return display();
    }
};

} // namespace Vexal
