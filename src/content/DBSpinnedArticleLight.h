#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// A spun article read with its ID, Name, Comments and ProjectID only.
class DBSpinnedArticleLight
    : public DBKind<DBSpinnedArticleLight, &DBSql::tableSpunArticle, &LocaleSql::tableSpunArticles, DBProjectBase>
{
    Q_OBJECT
public:
    using DBKind::DBKind;
};

} // namespace Vexal
