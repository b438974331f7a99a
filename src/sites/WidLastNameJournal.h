#pragma once

#include "sites/WidLastNameEditor.h"
#include "sites/WidLastNameTable.h"
#include "texts/LocaleIdentity.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The journal of the last names of the identity generator.
class WidLastNameJournal final
    : public BaseRecordJournal<BaseJournal, WidLastNameTable, WidLastNameEditor, &LocaleIdentity::lastNames>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
