#pragma once

#include "sites/WidFirstNameEditor.h"
#include "sites/WidFirstNameTable.h"
#include "texts/LocaleIdentity.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The journal of the first names of the identity generator.
class WidFirstNameJournal final
    : public BaseRecordJournal<BaseJournal, WidFirstNameTable, WidFirstNameEditor, &LocaleIdentity::firstNames>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
