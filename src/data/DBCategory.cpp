#include "data/DBCategory.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBCategory::DBCategory(QObject* parent)
    : DBBase(parent)
{
}

const DBFields& DBCategory::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colMasterID, &DBCategory::m_masterId),
                                });
    return table;
}

DBBase* DBCategory::create(QObject* parent) const
{
    return new DBCategory(parent);
}

QString DBCategory::tableName() const
{
    return DBSql::tableCategory();
}

QString DBCategory::displayName() const
{
    return LocaleSql::tableCategories();
}

void DBCategory::setMasterId(int masterId)
{
    markModified();
    m_masterId = masterId;
}

} // namespace Vexal
