#pragma once

#include "data/DBField.h"
#include "data/DBListBase.h"

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
    DBOwnedListBase(DBField::Column ownerColumn, int ownerId, QObject* parent);
    DBOwnedListBase(DBField::Column ownerColumn, int ownerId, DBField::Column keyColumn, const QVariant& key,
                    QObject* parent);

    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    int ownerId() const { return m_ownerId; }
    void setOwnerId(int ownerId) { m_ownerId = ownerId; }
    // The second column's value; invalid unless the list looks one up.
    QVariant key() const { return m_key; }

protected:
    void fillNew(DBBase* record) const override;

private:
    bool isBound() const;

    DBField::Column m_ownerColumn;
    DBField::Column m_keyColumn = nullptr;
    int m_ownerId;
    QVariant m_key;
};

} // namespace Vexal
