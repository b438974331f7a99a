#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "content/DBArticleLight.h"

namespace Vexal {

// The articles of one project (light records: ID, Name, Comments, ProjectID).
class DBArticleLightList final : public DBTypedList<DBArticleLight, DBProjectListBase>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
