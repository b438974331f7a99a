#pragma once

#include "sites/WidCityEditor.h"
#include "sites/WidCityTable.h"
#include "texts/LocaleIdentity.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The journal of the cities of the identity generator.
class WidCityJournal final : public BaseRecordJournal<BaseJournal, WidCityTable, WidCityEditor, &LocaleIdentity::cities>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
