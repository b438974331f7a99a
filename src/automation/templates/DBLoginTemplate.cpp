#include "automation/templates/DBLoginTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

namespace {

const DBFields loginFields = DBLoginTemplate::templateFields({
    &DBSql::colLogin,
    &DBSql::colPassword,
    &DBSql::colSubmit,
});

} // namespace

DBLoginTemplate::DBLoginTemplate(QObject* parent)
    : DBKind(loginFields, parent)
{
}

} // namespace Vexal
