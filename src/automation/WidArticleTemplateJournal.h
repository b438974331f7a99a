#pragma once

#include "automation/LocaleTemplate.h"
#include "automation/WidArticleTemplateEditor.h"
#include "automation/WidArticleTemplateTable.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidArticleTemplateJournal final
    : public BaseRecordJournal<BaseJournal, WidArticleTemplateTable, WidArticleTemplateEditor,
                               &LocaleTemplate::articleTemplates>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
