#pragma once

#include "content/WidDirectoryEditor.h"
#include "content/WidDirectoryTable.h"
#include "texts/LocaleDirectory.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The directory listings journal.
class WidDirectoryJournal final
    : public BaseRecordJournal<BaseJournal, WidDirectoryTable, WidDirectoryEditor, &LocaleDirectory::directories>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
