#pragma once

#include "data/DBProjectListBase.h"
#include "data/DBTypedList.h"
#include "data/DBDirectory.h"

namespace Vexal {

// The directory entries of one project.
class DBDirectoryList final : public DBTypedList<DBDirectory, DBProjectListBase>
{
    Q_OBJECT
public:
    using DBTypedList::DBTypedList;
};

} // namespace Vexal
