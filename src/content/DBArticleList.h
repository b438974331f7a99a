#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBArticle;

// The articles of one project.
class DBArticleList : public DBProjectListBase
{
    Q_OBJECT
public:
    explicit DBArticleList(int projectId, QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another class.
    DBArticle* at(int index) const;
    DBArticle* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBArticle* firstOrCreate();
};

} // namespace Vexal
