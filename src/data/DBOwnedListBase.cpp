#include "data/DBOwnedListBase.h"

#include "data/DBBase.h"

#include <QSqlQuery>

namespace Vexal {

namespace {

QString keyPlaceholder()
{
    return QStringLiteral(":LookupKey");
}

// Sets the record's field of that column as its setter would; a kind
// without the column is left as it is.
void setField(DBBase* record, const QString& column, const QVariant& value)
{
    const DBField* field = record->fields().find(column);
    if (!field)
        return;
    if (field->type() == FieldType::Text)
        field->setText(record, value.toString());
    else
        field->setInt(record, value.toLongLong());
}

} // namespace

DBOwnedListBase::DBOwnedListBase(DBField::Column ownerColumn, QObject* parent)
    : DBOwnedListBase(ownerColumn, -1, parent)
{
    setFilterMode(ModeAll);
}

DBOwnedListBase::DBOwnedListBase(DBField::Column ownerColumn, qint64 ownerId, QObject* parent)
    : DBListBase(parent)
    , m_ownerColumn(ownerColumn)
    , m_ownerId(ownerId)
{
    setFilterMode(ModeOwner);
}

DBOwnedListBase::DBOwnedListBase(DBField::Column ownerColumn, qint64 ownerId, DBField::Column keyColumn,
                                 const QVariant& key, QObject* parent)
    : DBOwnedListBase(ownerColumn, ownerId, parent)
{
    m_keyColumn = keyColumn;
    m_key = key;
    setFilterMode(ModeKey);
}

QString DBOwnedListBase::whereText() const
{
    const QString owner = QStringLiteral("%1 = %2").arg(m_ownerColumn(false), QString::number(m_ownerId));
    switch (filterMode()) {
    case ModeOwner:
        return owner;
    case ModeKey:
        return QStringLiteral("%1 AND %2 = %3").arg(owner, m_keyColumn(false), isBound() ? keyPlaceholder() : QString::number(m_key.toLongLong()));
    default:
        return DBListBase::whereText();
    }
}

void DBOwnedListBase::bindWhere(QSqlQuery& query) const
{
    if (filterMode() == ModeKey && isBound())
        query.bindValue(keyPlaceholder(), m_key);
}

bool DBOwnedListBase::isBound() const
{
    return m_key.type() == QVariant::String;
}

void DBOwnedListBase::fillNew(DBBase* record) const
{
    if (filterMode() != ModeAll)
        setField(record, m_ownerColumn(false), m_ownerId);
    if (filterMode() == ModeKey)
        setField(record, m_keyColumn(false), m_key);
}

} // namespace Vexal
