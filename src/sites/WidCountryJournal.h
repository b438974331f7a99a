#pragma once

#include "sites/WidCountryEditor.h"
#include "sites/WidCountryTable.h"
#include "texts/LocaleIdentity.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The journal of the countries of the identity generator.
class WidCountryJournal final
    : public BaseRecordJournal<BaseJournal, WidCountryTable, WidCountryEditor, &LocaleIdentity::countries>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
