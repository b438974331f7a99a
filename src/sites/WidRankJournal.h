#pragma once

#include "sites/WidRankEditor.h"
#include "sites/WidRankTable.h"
#include "texts/LocaleRank.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The journal of the stored page ranks.
class WidRankJournal final : public BaseRecordJournal<BaseJournal, WidRankTable, WidRankEditor, &LocaleRank::ranks>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
