#include "automation/DBArticleTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

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
    : DBTemplateBase(articleFields, parent)
{
}

DBBase* DBArticleTemplate::create(QObject* parent) const
{
    return new DBArticleTemplate(parent);
}

QString DBArticleTemplate::tableName() const
{
    return DBSql::tableArticleTemplate();
}

QString DBArticleTemplate::displayName() const
{
    return LocaleSql::tableArticleTemplates();
}

} // namespace Vexal
