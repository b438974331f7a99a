#include "automation/WidLoginTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidLoginTemplateEditor.h"
#include "automation/WidLoginTemplateTable.h"

namespace Vexal {

WidLoginTemplateJournal::WidLoginTemplateJournal(QWidget* parent)
    : BaseTypeTemplateJournal(parent)
{
}

QString WidLoginTemplateJournal::title() const
{
    return LocaleTemplate::loginTemplates();
}

WidLoginTemplateTable* WidLoginTemplateJournal::templateTable() const
{
    return static_cast<WidLoginTemplateTable*>(m_table);
}

void WidLoginTemplateJournal::createTable()
{
    installTable(new WidLoginTemplateTable(m_syncManager, this));
}

QWidget* WidLoginTemplateJournal::createEditor(QWidget* parent)
{
    return new WidLoginTemplateEditor(parent);
}

} // namespace Vexal
