#include "automation/DBLoginTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBLoginTemplate::DBLoginTemplate(QObject* parent)
    : DBTemplateBase({
          &DBSql::colLogin,
          &DBSql::colPassword,
          &DBSql::colSubmit,
      }, parent)
{
}

DBBase* DBLoginTemplate::create(QObject* parent) const
{
    return new DBLoginTemplate(parent);
}

QString DBLoginTemplate::tableName() const
{
    return DBSql::tableLoginTemplate();
}

QString DBLoginTemplate::displayName() const
{
    return LocaleSql::tableLoginTemplates();
}

} // namespace Vexal
