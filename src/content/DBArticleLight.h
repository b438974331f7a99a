#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// An article read with its ID, Name, Comments and ProjectID only, for the
// choosers that list a project's articles.
class DBArticleLight : public DBKind<DBArticleLight, &DBSql::tableArticle, &LocaleSql::tableArticles, DBProjectBase>
{
    Q_OBJECT
public:
    using DBKind::DBKind;
};

} // namespace Vexal
