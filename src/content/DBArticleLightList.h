#pragma once

#include "data/DBProjectListBase.h"

namespace Vexal {

class DBArticleLight;

// The articles of one project (light records: ID, Name, Comments, ProjectID).
class DBArticleLightList : public DBProjectListBase
{
    Q_OBJECT
public:
    explicit DBArticleLightList(int projectId, QObject* parent = nullptr);

    // Null outside the list, and when the entry is of another class.
    DBArticleLight* at(int index) const;
    DBArticleLight* findById(int id) const;
    // The first record; on an empty list a new unsaved one, appended.
    DBArticleLight* firstOrCreate();
};

} // namespace Vexal
