#pragma once

#include "automation/templates/BaseTypeTemplateJournal.h"
#include "automation/templates/LocaleTemplate.h"
#include "automation/templates/WidLoginTemplateEditor.h"
#include "automation/templates/WidLoginTemplateTable.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidLoginTemplateJournal final : public BaseRecordJournal<BaseTypeTemplateJournal, WidLoginTemplateTable,
                                                               WidLoginTemplateEditor, &LocaleTemplate::loginTemplates>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    WidLoginTemplateTable* templateTable() const { return static_cast<WidLoginTemplateTable*>(m_table); }
};

} // namespace Vexal
