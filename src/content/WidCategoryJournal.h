#pragma once

#include "content/WidCategoryEditor.h"
#include "content/WidCategoryTable.h"
#include "texts/LocaleArticle.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The categories journal.
class WidCategoryJournal final
    : public BaseRecordJournal<BaseJournal, WidCategoryTable, WidCategoryEditor, &LocaleArticle::categories>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
