#include "automation/WidDirectoryTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidDirectoryTemplateEditor.h"
#include "automation/WidDirectoryTemplateTable.h"

namespace Vexal {

WidDirectoryTemplateJournal::WidDirectoryTemplateJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidDirectoryTemplateJournal::title() const
{
    return LocaleTemplate::directoryTemplates();
}

void WidDirectoryTemplateJournal::createTable()
{
    installTable(new WidDirectoryTemplateTable(m_syncManager, this));
}

QWidget* WidDirectoryTemplateJournal::createEditor(QWidget* parent)
{
    return new WidDirectoryTemplateEditor(parent);
}

} // namespace Vexal
