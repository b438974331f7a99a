#pragma once

#include "automation/LocaleTemplate.h"
#include "automation/WidDirectoryTemplateEditor.h"
#include "automation/WidDirectoryTemplateTable.h"
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
