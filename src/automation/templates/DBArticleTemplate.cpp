#include "automation/templates/DBArticleTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

namespace {

const DBFields articleFields = DBArticleTemplate::templateFields({
    &DBSql::colCategory,
    &DBSql::colTitle,
    &DBSql::colTags,
    &DBSql::colAuthor,
    &DBSql::colIntro,
    &DBSql::colBody,
});

} // namespace

DBArticleTemplate::DBArticleTemplate(QObject* parent)
    : DBKind(articleFields, parent)
{
}

} // namespace Vexal
