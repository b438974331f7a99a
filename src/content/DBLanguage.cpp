#include "content/DBLanguage.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBLanguage::DBLanguage(QObject* parent)
    : DBBase(parent)
{
}

DBBase* DBLanguage::create(QObject* parent) const
{
    return new DBLanguage(parent);
}

QString DBLanguage::tableName() const
{
    return DBSql::tableLanguage();
}

QString DBLanguage::displayName() const
{
    return LocaleSql::tableLanguages();
}

} // namespace Vexal
