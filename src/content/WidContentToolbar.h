#pragma once

#include "views/BaseJournalToolbar.h"

namespace Vexal {

// The bar of the content journals: the journal bar with the area's own
// commands.
using WidContentToolbar = BaseJournalToolbar;

} // namespace Vexal
