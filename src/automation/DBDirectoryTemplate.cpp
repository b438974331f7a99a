#include "automation/DBDirectoryTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

namespace {

const DBFields directoryFields = DBDirectoryTemplate::templateFields({
    &DBSql::colCategory,
    &DBSql::colTitle,
    &DBSql::colTags,
    &DBSql::colURL,
    &DBSql::colDescription,
    &DBSql::colUserName,
    &DBSql::colUserEmail,
    &DBSql::colRegularLink,
    &DBSql::colAcceptTerms,
});

} // namespace

DBDirectoryTemplate::DBDirectoryTemplate(QObject* parent)
    : DBTemplateBase(directoryFields, parent)
{
}

DBBase* DBDirectoryTemplate::create(QObject* parent) const
{
    return new DBDirectoryTemplate(parent);
}

QString DBDirectoryTemplate::tableName() const
{
    return DBSql::tableDirectoryTemplate();
}

QString DBDirectoryTemplate::displayName() const
{
    return LocaleSql::tableDirectoryTemplates();
}

} // namespace Vexal
