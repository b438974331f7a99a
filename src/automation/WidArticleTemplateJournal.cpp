#include "automation/WidArticleTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidArticleTemplateEditor.h"
#include "automation/WidArticleTemplateTable.h"

namespace Vexal {

WidArticleTemplateJournal::WidArticleTemplateJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidArticleTemplateJournal::title() const
{
    return LocaleTemplate::articleTemplates();
}

void WidArticleTemplateJournal::createTable()
{
    installTable(new WidArticleTemplateTable(m_syncManager, this));
}

QWidget* WidArticleTemplateJournal::createEditor(QWidget* parent)
{
    return new WidArticleTemplateEditor(parent);
}

} // namespace Vexal
