#include "automation/DBLoginTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

namespace {

const DBFields loginFields = DBLoginTemplate::templateFields({
    &DBSql::colLogin,
    &DBSql::colPassword,
    &DBSql::colSubmit,
});

} // namespace

DBLoginTemplate::DBLoginTemplate(QObject* parent)
    : DBTemplateBase(loginFields, parent)
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
