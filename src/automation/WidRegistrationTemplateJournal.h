#pragma once

#include "automation/BaseTypeTemplateJournal.h"
#include "automation/LocaleTemplate.h"
#include "automation/WidRegistrationTemplateEditor.h"
#include "automation/WidRegistrationTemplateTable.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidRegistrationTemplateJournal final
    : public BaseRecordJournal<BaseTypeTemplateJournal, WidRegistrationTemplateTable, WidRegistrationTemplateEditor,
                               &LocaleTemplate::registrationTemplates>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    WidRegistrationTemplateTable* templateTable() const { return static_cast<WidRegistrationTemplateTable*>(m_table); }
};

} // namespace Vexal
