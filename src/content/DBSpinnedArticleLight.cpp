#include "content/DBSpinnedArticleLight.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBSpinnedArticleLight::DBSpinnedArticleLight(QObject* parent)
    : DBProjectBase(parent)
{
}

DBBase* DBSpinnedArticleLight::create(QObject* parent) const
{
    return new DBSpinnedArticleLight(parent);
}

QString DBSpinnedArticleLight::tableName() const
{
    return DBSql::tableSpunArticle();
}

QString DBSpinnedArticleLight::displayName() const
{
    return LocaleSql::tableSpunArticles();
}

} // namespace Vexal
