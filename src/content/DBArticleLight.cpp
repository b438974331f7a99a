#include "content/DBArticleLight.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBArticleLight::DBArticleLight(QObject* parent)
    : DBProjectBase(parent)
{
}

DBBase* DBArticleLight::create(QObject* parent) const
{
    return new DBArticleLight(parent);
}

QString DBArticleLight::tableName() const
{
    return DBSql::tableArticle();
}

QString DBArticleLight::displayName() const
{
    return LocaleSql::tableArticles();
}

} // namespace Vexal
