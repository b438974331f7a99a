#include "automation/WidRegistrationTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidRegistrationTemplateEditor.h"
#include "automation/WidRegistrationTemplateTable.h"

namespace Vexal {

WidRegistrationTemplateJournal::WidRegistrationTemplateJournal(QWidget* parent)
    : BaseTypeTemplateJournal(parent)
{
}

QString WidRegistrationTemplateJournal::title() const
{
    return LocaleTemplate::registrationTemplates();
}

WidRegistrationTemplateTable* WidRegistrationTemplateJournal::templateTable() const
{
    return static_cast<WidRegistrationTemplateTable*>(m_table);
}

void WidRegistrationTemplateJournal::createTable()
{
    installTable(new WidRegistrationTemplateTable(m_syncManager, this));
}

QWidget* WidRegistrationTemplateJournal::createEditor(QWidget* parent)
{
    return new WidRegistrationTemplateEditor(parent);
}

} // namespace Vexal
