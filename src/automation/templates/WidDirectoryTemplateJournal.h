#pragma once

#include "automation/templates/LocaleTemplate.h"
#include "automation/templates/WidDirectoryTemplateEditor.h"
#include "automation/templates/WidDirectoryTemplateTable.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidDirectoryTemplateJournal final
    : public BaseRecordJournal<BaseJournal, WidDirectoryTemplateTable, WidDirectoryTemplateEditor,
                               &LocaleTemplate::directoryTemplates>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
