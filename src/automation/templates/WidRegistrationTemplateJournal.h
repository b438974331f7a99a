#pragma once

#include "automation/templates/BaseTypeTemplateJournal.h"
#include "automation/templates/LocaleTemplate.h"
#include "automation/templates/WidRegistrationTemplateEditor.h"
#include "automation/templates/WidRegistrationTemplateTable.h"
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
