#include "data/DBUserTable.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

DBUserTable::DBUserTable(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBUserTable::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colFriendlyName, &DBUserTable::m_friendlyName, friendlyNameLimit),
                                });
    return table;
}

DBBase* DBUserTable::create(QObject* parent) const
{
    return new DBUserTable(parent);
}

QString DBUserTable::tableName() const
{
    return DBSql::tableUserTable();
}

QString DBUserTable::friendlyName() const
{
    return m_friendlyName;
}

void DBUserTable::setFriendlyName(const QString& name)
{
    markModified();
    m_friendlyName = Convert::leftText(name, friendlyNameLimit);
}

} // namespace Vexal
