#include "automation/DBArticleTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBArticleTemplate::DBArticleTemplate(QObject* parent)
    : DBTemplateBase({
          &DBSql::colCategory,
          &DBSql::colTitle,
          &DBSql::colTags,
          &DBSql::colAuthor,
          &DBSql::colIntro,
          &DBSql::colBody,
      }, parent)
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
