#include "automation/BaseTypeTemplateJournal.h"

#include "automation/BaseTypeTemplateTable.h"
#include "automation/LocaleTemplate.h"
#include "sites/WidWebsiteTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"

#include <QItemSelectionModel>

namespace Vexal {

BaseTypeTemplateJournal::BaseTypeTemplateJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

WidWebsiteTree* BaseTypeTemplateJournal::typeTree() const
{
    return static_cast<WidWebsiteTree*>(tree);
}

BaseTypeTemplateTable* BaseTypeTemplateJournal::typeTemplateTable() const
{
    return static_cast<BaseTypeTemplateTable*>(table);
}

void BaseTypeTemplateJournal::createTree()
{
    installTree(new WidWebsiteTree(syncManager, this));
}

Init* BaseTypeTemplateJournal::createInit(QObject* parent)
{
    auto* init = new Init(parent);
    init->setType(typeTree() ? typeTree()->currentType() : 0);
    return init;
}

void BaseTypeTemplateJournal::handleTreeSelectionChanged()
{
    const int type = typeTree() ? typeTree()->currentType() : 0;
    syncManager->setEnabled(BaseTable::CommandAdd, type != 0);
    if (typeTemplateTable())
        typeTemplateTable()->setType(type);
}

void BaseTypeTemplateJournal::slotSelectionChanged()
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
