#include "views/BaseJournal.h"

#include "core/ConstApp.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "core/UtilPrompt.h"
#include "data/DBConnection.h"
#include "data/DBListBase.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "views/BaseJournalToolbar.h"
#include "views/BaseTable.h"
#include "views/BaseTableModel.h"
#include "data/DBPageRecord.h"
#include "views/UtilReport.h"

#include "shell/WidTabManager.h"

#include <QItemSelectionModel>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVBoxLayout>

namespace Vexal {

BaseJournal::BaseJournal(QWidget* parent)
    : QWidget(parent)
    , syncManager(new SyncManager(this))
{
}

void BaseJournal::setInit(QObject* value)
{
    BaseTab::setInit(value);
    create();
}

void BaseJournal::open()
{
    if (table)
        table->load();
    slotSelectionChanged();
}

void BaseJournal::reload() { slotReload(); }
void BaseJournal::add() { slotAdd(); }
void BaseJournal::edit() { slotEdit(); }
void BaseJournal::remove() { slotDelete(); }

void BaseJournal::selectAll()
{
    if (table)
        table->selectAll();
}

void BaseJournal::create()
{
    boxLayout = UtilGui::createVBoxLayout(this);
    createToolbar();
    connectToolbar();
    createTable();
    connectTable();
}

void BaseJournal::createToolbar()
{
    toolbar = new BaseJournalToolbar(syncManager, this);
    toolbar->build();
    boxLayout->addWidget(toolbar);
}

void BaseJournal::connectToolbar()
{
    connect(toolbar, &BaseJournalToolbar::onAdd, this, &BaseJournal::slotAdd);
    connect(toolbar, &BaseJournalToolbar::onEdit, this, &BaseJournal::slotEdit);
    connect(toolbar, &BaseJournalToolbar::onDelete, this, &BaseJournal::slotDelete);
    connect(toolbar, &BaseJournalToolbar::onFilter, this, &BaseJournal::slotFilter);
    connect(toolbar, &BaseJournalToolbar::onRemoveFilter, this, &BaseJournal::slotRemoveFilter);
    connect(toolbar, &BaseJournalToolbar::onReload, this, &BaseJournal::slotReload);
}

void BaseJournal::createTable()
{
    installTable(new BaseTable(syncManager, this));
}

void BaseJournal::installTable(BaseTable* value)
{
    table = value;
    table->build();
    placeTable(table);
}

void BaseJournal::placeTable(BaseTable* value)
{
    boxLayout->addWidget(value);
}

void BaseJournal::connectTable()
{
    connect(table, &BaseTable::onAdd, this, &BaseJournal::slotAdd);
    connect(table, &BaseTable::onEdit, this, &BaseJournal::slotEdit);
    connect(table, &BaseTable::onDelete, this, &BaseJournal::slotDelete);
    connect(table, &BaseTable::onFilter, this, &BaseJournal::slotFilter);
    connect(table, &BaseTable::onRemoveFilter, this, &BaseJournal::slotRemoveFilter);
    connect(table, &BaseTable::onReload, this, &BaseJournal::slotReload);
    connect(table, &BaseTable::onSelectionChanged, this, &BaseJournal::slotSelectionChanged);
    if (table->tableModel())
        connect(table->tableModel(), &QAbstractItemModel::modelReset, this, &BaseJournal::handleModelReset);
}

QWidget* BaseJournal::createEditor(QWidget*)
{
    return nullptr;
}

Init* BaseJournal::createInit(QObject*)
{
    return nullptr;
}

bool BaseJournal::startCommand(const QString& action, int commandId)
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
    return syncManager->isEnabled(commandId);
}

bool BaseJournal::openEditor(Init* init, const QString& managerName, const QString& pageName)
{
    WidTabManager* manager = tabManager();
    if (!manager) {
        delete init;
        reportInvalidObject(managerName);
        return false;
    }
    QWidget* page = createEditor(this);
    auto* tab = dynamic_cast<BaseTab*>(page);
    if (!tab) {
        delete page;
        delete init;
        reportInvalidObject(pageName);
        return false;
    }
    manager->addFocusedTab(tab, init);
    return true;
}

void BaseJournal::slotAdd()
{
    if (!startCommand(LocaleBaseWidget::add(), BaseTable::CommandAdd))
        return;
    openEditor(createInit(this), QStringLiteral("TabManager"), QStringLiteral("Tab"));
}

void BaseJournal::slotEdit()
{
    if (!startCommand(LocaleBaseWidget::edit(), BaseTable::CommandEdit))
        return;
    const int id = table ? table->selectedId() : -1;
    if (id == -1)
        return;
    Init* init = createInit(this);
    if (init)
        init->setId(id);
    else
        init = new Init(id, this);
    openEditor(init, QStringLiteral("tabManager"), QStringLiteral("tab"));
}

void BaseJournal::slotDelete()
{
    if (!startCommand(LocaleBaseWidget::deleteItem(), BaseTable::CommandDelete))
        return;
    if (!table)
        return;
    const QString condition = table->selectedRowsCondition();
    if (condition.isEmpty())
        return;
    const int count = countRows(table->tableName(), condition);
    if (count <= 0)
        return;
    if (!mayDelete(condition))
        return;
    const QMessageBox::StandardButton answer = UtilPrompt::question(
        this, ConstApp::title(), deleteQuestion(condition, count), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    DBListBase list;
    if (!deleteRows(condition, &list)) {
        reportListError(&list);
        return;
    }
    table->reload();
}

bool BaseJournal::mayDelete(const QString&)
{
    return true;
}

QString BaseJournal::deleteQuestion(const QString&, int count)
{
    return LocaleMessage::confirmDeleteRecordCount(count);
}

bool BaseJournal::deleteRows(const QString& condition, DBListBase* list)
{
    return list->exec(QStringLiteral("DELETE FROM %1 WHERE %2;").arg(table->tableName(), condition));
}

int BaseJournal::queryNumber(const QString& text)
{
    QSqlQuery query(DBConnection::current());
    query.setForwardOnly(true);
    if (query.prepare(text) && query.exec() && query.next())
        return query.value(0).toInt();
    UtilReport::error(LocaleMessage::sqlQueryFailed(text, query.lastError().text()));
    return -1;
}

int BaseJournal::countRows(const QString& tableName, const QString& condition)
{
    return queryNumber(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2;").arg(tableName, condition));
}

bool BaseJournal::execAll(const QStringList& statements, DBListBase* list)
{
    const QString savepoint = QStringLiteral("journal_delete");
    if (!list->exec(QStringLiteral("SAVEPOINT %1;").arg(savepoint)))
        return false;
    bool ok = true;
    for (const QString& statement : statements) {
        if (!list->exec(statement)) {
            ok = false;
            break;
        }
    }
    if (ok && list->exec(QStringLiteral("RELEASE SAVEPOINT %1;").arg(savepoint)))
        return true;
    // Undo whatever ran; the list keeps the error of the failure.
    QSqlQuery undo(DBConnection::current());
    undo.exec(QStringLiteral("ROLLBACK TO SAVEPOINT %1;").arg(savepoint));
    undo.exec(QStringLiteral("RELEASE SAVEPOINT %1;").arg(savepoint));
    return false;
}

void BaseJournal::slotFilter()
{
    if (!startCommand(LocaleBaseWidget::filter(), BaseTable::CommandFilter))
        return;
    if (table)
        table->filter();
}

void BaseJournal::slotRemoveFilter()
{
    if (!startCommand(LocaleBaseWidget::remove(), BaseTable::CommandRemoveFilter))
        return;
    if (table)
        table->removeFilter();
}

void BaseJournal::slotReload()
{
    if (!startCommand(LocaleBaseWidget::reload(), BaseTable::CommandReload))
        return;
    if (table)
        table->reload();
}

void BaseJournal::slotSelectionChanged()
{
    updateCommands(LocaleBaseWidget::selectionChanged(), QStringLiteral("selectionModel"));
}

void BaseJournal::updateCommands(const QString& action, const QString& modelName, std::initializer_list<int> rowCommands)
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
    if (!table || !table->selectionModel()) {
        reportInvalidObject(modelName);
        return;
    }
    const bool selected = table->selectionModel()->hasSelection();
    syncManager->setEnabled(BaseTable::CommandAdd, true);
    syncManager->setEnabled(BaseTable::CommandEdit, selected);
    syncManager->setEnabled(BaseTable::CommandDelete, selected);
    syncManager->setEnabled(BaseTable::CommandFilter, true);
    syncManager->setEnabled(BaseTable::CommandRemoveFilter, true);
    for (int command : rowCommands)
        syncManager->setEnabled(command, selected);
    syncManager->setEnabled(BaseTable::CommandReload, true);
}

void BaseJournal::openSelectedPage(DBPageRecord* page)
{
    const int id = table ? table->selectedId() : -1;
    if (id == -1)
        return;
    if (!page->load(id)) {
        reportRecordError(page);
        return;
    }
    UtilSignalManager::instance()->emitLoad(QUrl(page->url()), true, true);
}

void BaseJournal::handleModelReset()
{
    const QString className = Logger::contextClassName();
    const QString action = Logger::contextAction();
    slotSelectionChanged();
    Logger::setContext(className, action);
}

void BaseJournal::reportInvalidObject(const QString& name) const { UtilReport::invalidObject(name); }
void BaseJournal::reportListError(const DBListBase* list) const { UtilReport::listError(list); }
void BaseJournal::reportRecordError(const DBBase* record) const { UtilReport::recordError(record); }

} // namespace Vexal
