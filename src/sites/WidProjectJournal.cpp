#include "sites/WidProjectJournal.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "sites/DlgSelectProject.h"
#include "sites/SiteCommands.h"
#include "sites/WidProjectEditor.h"
#include "sites/WidProjectTable.h"
#include "sites/WidSiteToolbar.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleProject.h"

#include <QItemSelectionModel>
#include <QVBoxLayout>

namespace Vexal {

WidProjectJournal::WidProjectJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidProjectJournal::title() const
{
    return LocaleProject::projects();
}

void WidProjectJournal::createToolbar()
{
    toolbar = new WidSiteToolbar(syncManager, {{ConstIcon::check(32), LocaleProject::select(), SiteCommands::Select}},
                                 this);
    toolbar->build();
    boxLayout->addWidget(toolbar);
}

void WidProjectJournal::connectToolbar()
{
    BaseJournal::connectToolbar();
    connect(static_cast<WidSiteToolbar*>(toolbar), &WidSiteToolbar::onCommand, this, &WidProjectJournal::slotSelect);
}

void WidProjectJournal::createTable()
{
    projectTable = new WidProjectTable(syncManager, this);
    installTable(projectTable);
}

void WidProjectJournal::connectTable()
{
    BaseJournal::connectTable();
    connect(projectTable, &WidProjectTable::onSelect, this, &WidProjectJournal::slotSelect);
}

QWidget* WidProjectJournal::createEditor(QWidget* parent)
{
    return new WidProjectEditor(parent);
}

void WidProjectJournal::slotSelectionChanged()
{
    BaseJournal::slotSelectionChanged();
    const bool selected = table && table->selectionModel() && table->selectionModel()->hasSelection();
    syncManager->setEnabled(SiteCommands::Select, selected);
}

void WidProjectJournal::slotSelect()
{
    if (!startCommand(LocaleProject::select(), SiteCommands::Select))
        return;
    const int id = table->selectedId();
    if (id == -1)
        return;
    QString error;
    if (!DlgSelectProject::switchToProject(id, &error)) {
        Logger::error(error);
        UtilSignalManager::instance()->emitError(LocaleProject::unexpectedError());
        return;
    }
    table->reload();
}

} // namespace Vexal
