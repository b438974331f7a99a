#include "automation/templates/DBDirectoryTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"

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
    : DBKind(directoryFields, parent)
{
}

} // namespace Vexal
