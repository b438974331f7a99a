#pragma once

#include "content/WidLanguageEditor.h"
#include "content/WidLanguageTable.h"
#include "texts/LocaleInstance.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The languages journal.
class WidLanguageJournal final
    : public BaseRecordJournal<BaseJournal, WidLanguageTable, WidLanguageEditor, &LocaleInstance::languages>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
