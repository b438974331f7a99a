#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "content/DBArticle.h"

namespace Vexal {

// The articles of one project.
class DBArticleList final : public DBTypedList<DBArticle, DBProjectListBase>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
