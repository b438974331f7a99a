#pragma once

#include "automation/BaseTypeTemplateJournal.h"
#include "automation/LocaleTemplate.h"
#include "automation/WidLoginTemplateEditor.h"
#include "automation/WidLoginTemplateTable.h"
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
