#pragma once

#include "views/BaseJournalToolbar.h"

namespace Vexal {

// The bar of the site journals: the journal bar with the area's own
// commands.
using WidSiteToolbar = BaseJournalToolbar;

} // namespace Vexal
