#pragma once

namespace Vexal {

// What the program's process sets before anything else runs: a file-size
// limit fails the write that passes it, with the system's reason (as a full
// disk does), instead of ending the program; and the local time zone is read
// once, not looked up again for every local date and time the program makes
// (an import or export of many dated rows makes one per row).
void prepareProcess();

} // namespace Vexal
