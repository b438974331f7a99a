#include "automation/WidRegistrationTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidRegistrationTemplateEditor.h"
#include "automation/WidRegistrationTemplateTable.h"
#include "sites/WidWebsiteTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"

#include <QItemSelectionModel>

namespace Vexal {

WidRegistrationTemplateJournal::WidRegistrationTemplateJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

QString WidRegistrationTemplateJournal::title() const
{
    return LocaleTemplate::registrationTemplates();
}

WidWebsiteTree* WidRegistrationTemplateJournal::typeTree() const
{
    return static_cast<WidWebsiteTree*>(tree);
}

WidRegistrationTemplateTable* WidRegistrationTemplateJournal::templateTable() const
{
    return static_cast<WidRegistrationTemplateTable*>(table);
}

void WidRegistrationTemplateJournal::createTree()
{
    installTree(new WidWebsiteTree(syncManager, this));
}

void WidRegistrationTemplateJournal::createTable()
{
    installTable(new WidRegistrationTemplateTable(syncManager, this));
}

QWidget* WidRegistrationTemplateJournal::createEditor(QWidget* parent)
{
    return new WidRegistrationTemplateEditor(parent);
}

Init* WidRegistrationTemplateJournal::createInit(QObject* parent)
{
    auto* init = new Init(parent);
    init->setType(typeTree() ? typeTree()->currentType() : 0);
    return init;
}

void WidRegistrationTemplateJournal::handleTreeSelectionChanged()
{
    const int type = typeTree() ? typeTree()->currentType() : 0;
    syncManager->setEnabled(BaseTable::CommandAdd, type != 0);
    if (templateTable())
        templateTable()->setType(type);
}

void WidRegistrationTemplateJournal::slotSelectionChanged()
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
