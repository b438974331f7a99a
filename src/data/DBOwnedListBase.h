#pragma once

#include "core/DBSql.h"
#include "data/DBField.h"
#include "data/DBTypedList.h"

#include <QVariant>

namespace Vexal {

// Base of the lists that hold all rows of a kind, the rows of one owner (a
// row of another table, named by an integer column), or the rows of one
// owner that also have one value in a second column. A text value is bound,
// never written into the text; a number or flag is written as a number. A
// record the list makes takes the owner and the value, so that it belongs
// where the list looked.
class DBOwnedListBase : public DBListBase
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1, ModeKey = 2 };

    DBOwnedListBase(DBField::Column ownerColumn, QObject* parent);
    DBOwnedListBase(DBField::Column ownerColumn, qint64 ownerId, QObject* parent);
    DBOwnedListBase(DBField::Column ownerColumn, qint64 ownerId, DBField::Column keyColumn, const QVariant& key,
                    QObject* parent);

    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    qint64 ownerId() const { return m_ownerId; }
    void setOwnerId(qint64 ownerId) { m_ownerId = ownerId; }
    // The second column's value; invalid unless the list looks one up.
    QVariant key() const { return m_key; }

protected:
    void fillNew(DBBase* record) const override;

private:
    bool isBound() const;

    DBField::Column m_ownerColumn;
    DBField::Column m_keyColumn = nullptr;
    qint64 m_ownerId;
    QVariant m_key;
};

// The list of one record kind whose owner is named by the column: all rows,
// those of one owner, or those of one owner with one name (bound).
template <class Record, DBField::Column ownerColumn>
class DBOwnedList : public DBTypedList<Record, DBOwnedListBase>
{
    using Typed = DBTypedList<Record, DBOwnedListBase>;

public:
    // All rows.
    explicit DBOwnedList(QObject* parent = nullptr)
        : Typed(ownerColumn, parent)
    {
    }
    explicit DBOwnedList(qint64 ownerId, QObject* parent = nullptr)
        : Typed(ownerColumn, ownerId, parent)
    {
    }
    // The rows of that name (exact, case-sensitive).
    DBOwnedList(qint64 ownerId, const QString& name, QObject* parent = nullptr)
        : Typed(ownerColumn, ownerId, &DBSql::colName, name, parent)
    {
    }
};

} // namespace Vexal
