#pragma once

#include "core/DBSql.h"
#include "texts/LocaleProject.h"
#include "views/BaseTable.h"

namespace Vexal {

// The projects, with the row-menu entry Select (makes the row the current
// project).
using WidProjectTable = SelectRecordTable<&DBSql::tableProject, &LocaleProject::select>;

} // namespace Vexal
