#include "automation/WidLoginTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidLoginTemplateEditor.h"
#include "automation/WidLoginTemplateTable.h"
#include "sites/WidWebsiteTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"

#include <QItemSelectionModel>

namespace Vexal {

WidLoginTemplateJournal::WidLoginTemplateJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

QString WidLoginTemplateJournal::title() const
{
    return LocaleTemplate::loginTemplates();
}

WidWebsiteTree* WidLoginTemplateJournal::typeTree() const
{
    return static_cast<WidWebsiteTree*>(tree);
}

WidLoginTemplateTable* WidLoginTemplateJournal::templateTable() const
{
    return static_cast<WidLoginTemplateTable*>(table);
}

void WidLoginTemplateJournal::createTree()
{
    installTree(new WidWebsiteTree(syncManager, this));
}

void WidLoginTemplateJournal::createTable()
{
    installTable(new WidLoginTemplateTable(syncManager, this));
}

QWidget* WidLoginTemplateJournal::createEditor(QWidget* parent)
{
    return new WidLoginTemplateEditor(parent);
}

Init* WidLoginTemplateJournal::createInit(QObject* parent)
{
    auto* init = new Init(parent);
    init->setType(typeTree() ? typeTree()->currentType() : 0);
    return init;
}

void WidLoginTemplateJournal::handleTreeSelectionChanged()
{
    const int type = typeTree() ? typeTree()->currentType() : 0;
    syncManager->setEnabled(BaseTable::CommandAdd, type != 0);
    if (templateTable())
        templateTable()->setType(type);
}

void WidLoginTemplateJournal::slotSelectionChanged()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleTemplate::selectionChanged());
    if (!table || !table->selectionModel()) {
        reportInvalidObject(QStringLiteral("selectionModel"));
        return;
    }
    const bool selected = table->selectionModel()->hasSelection();
    syncManager->setEnabled(BaseTable::CommandEdit, selected);
    syncManager->setEnabled(BaseTable::CommandDelete, selected);
    syncManager->setEnabled(BaseTable::CommandFilter, true);
    syncManager->setEnabled(BaseTable::CommandRemoveFilter, true);
    syncManager->setEnabled(BaseTable::CommandReload, true);
}

} // namespace Vexal
