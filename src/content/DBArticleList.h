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
    explicit DBArticleList(int projectId, QObject* parent = nullptr);

    // The first record; on an empty list a new unsaved one, appended.
    DBArticle* firstOrCreate();
};

} // namespace Vexal
