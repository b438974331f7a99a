#pragma once

#include "automation/templates/LocaleTemplate.h"
#include "automation/templates/WidArticleTemplateEditor.h"
#include "automation/templates/WidArticleTemplateTable.h"
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
