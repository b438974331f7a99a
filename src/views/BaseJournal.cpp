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
#include <QScopedValueRollback>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVBoxLayout>

namespace Vexal {

BaseJournal::BaseJournal(QWidget* parent)
    : QWidget(parent)
    , m_syncManager(new SyncManager(this))
{
    connect(UtilSignalManager::instance(), &UtilSignalManager::onRecordsChanged, this,
            &BaseJournal::handleRecordsChanged);
}

void BaseJournal::setInit(QObject* value)
{
    BaseTab::setInit(value);
    create();
}

void BaseJournal::open()
{
    if (m_table)
        m_table->load();
    slotSelectionChanged();
}

void BaseJournal::reload() { slotReload(); }
void BaseJournal::add() { slotAdd(); }
void BaseJournal::edit() { slotEdit(); }
void BaseJournal::remove() { slotDelete(); }

void BaseJournal::selectAll()
{
    if (m_table)
        m_table->selectAll();
}

void BaseJournal::create()
{
    m_boxLayout = UtilGui::createVBoxLayout(this);
    createToolbar();
    connectToolbar();
    createTable();
    connectTable();
}

void BaseJournal::createToolbar()
{
    const QList<BaseJournalToolbar::Command> commands = toolbarCommands();
    for (const BaseJournalToolbar::Command& command : commands)
        m_rowCommands << command.id;
    m_toolbar = new BaseJournalToolbar(m_syncManager, commands, this);
    m_toolbar->build();
    m_boxLayout->addWidget(m_toolbar);
}

void BaseJournal::connectToolbar()
{
    connect(m_toolbar, &BaseJournalToolbar::onAdd, this, &BaseJournal::slotAdd);
    connect(m_toolbar, &BaseJournalToolbar::onEdit, this, &BaseJournal::slotEdit);
    connect(m_toolbar, &BaseJournalToolbar::onDelete, this, &BaseJournal::slotDelete);
    connect(m_toolbar, &BaseJournalToolbar::onFilter, this, &BaseJournal::slotFilter);
    connect(m_toolbar, &BaseJournalToolbar::onRemoveFilter, this, &BaseJournal::slotRemoveFilter);
    connect(m_toolbar, &BaseJournalToolbar::onReload, this, &BaseJournal::slotReload);
    connect(m_toolbar, &BaseJournalToolbar::onCommand, this, [this](int id) { runCommand(id); });
}

void BaseJournal::createTable()
{
    installTable(new BaseTable(m_syncManager, this));
}

void BaseJournal::installTable(BaseTable* value)
{
    m_table = value;
    m_table->build();
    placeTable(m_table);
}

void BaseJournal::placeTable(BaseTable* value)
{
    m_boxLayout->addWidget(value);
}

void BaseJournal::connectTable()
{
    connect(m_table, &BaseTable::onAdd, this, &BaseJournal::slotAdd);
    connect(m_table, &BaseTable::onEdit, this, &BaseJournal::slotEdit);
    connect(m_table, &BaseTable::onDelete, this, &BaseJournal::slotDelete);
    connect(m_table, &BaseTable::onFilter, this, &BaseJournal::slotFilter);
    connect(m_table, &BaseTable::onRemoveFilter, this, &BaseJournal::slotRemoveFilter);
    connect(m_table, &BaseTable::onReload, this, &BaseJournal::slotReload);
    connect(m_table, &BaseTable::onSelectionChanged, this, &BaseJournal::slotSelectionChanged);
    connect(m_table, &BaseTable::onCommand, this, [this](int id) {
        if (m_rowCommands.contains(id))
            runCommand(id);
    });
    if (m_table->tableModel())
        connect(m_table->tableModel(), &QAbstractItemModel::modelReset, this, &BaseJournal::handleModelReset);
}

QWidget* BaseJournal::createEditor(QWidget*)
{
    return nullptr;
}

Init* BaseJournal::createInit(QObject*)
{
    return nullptr;
}

bool BaseJournal::canAdd() const
{
    return true;
}

QList<BaseJournalToolbar::Command> BaseJournal::toolbarCommands() const
{
    return {};
}

void BaseJournal::runCommand(int)
{
}

bool BaseJournal::startCommand(const QString& action, int commandId)
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
    return m_syncManager->isEnabled(commandId);
}

bool BaseJournal::openEditor(Init* init, const QString& managerName, const QString& pageName)
{
    std::unique_ptr<Init> ownedInit(init);
    WidTabManager* manager = tabManager();
    if (!manager) {
        reportInvalidObject(managerName);
        return false;
    }
    std::unique_ptr<QWidget> page(createEditor(this));
    auto* tab = dynamic_cast<BaseTab*>(page.get());
    if (!tab) {
        reportInvalidObject(pageName);
        return false;
    }
    page.release();
    manager->addFocusedTab(std::unique_ptr<BaseTab>(tab), std::move(ownedInit));
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
    const qint64 id = m_table ? m_table->selectedId() : -1;
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
    if (!m_table)
        return;
    const QString condition = m_table->selectedRowsCondition();
    if (condition.isEmpty())
        return;
    const int count = countRows(m_table->tableName(), condition);
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
    // What was chosen is gone, Select All with it.
    m_table->clearSelection();
    showOwnWrites();
}

void BaseJournal::showOwnWrites()
{
    const QScopedValueRollback<bool> own(m_showingOwnWrites, true);
    UtilSignalManager::instance()->deliverRecordsChanged();
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
    return list->exec(QStringLiteral("DELETE FROM %1 WHERE %2;").arg(m_table->tableName(), condition));
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
    if (m_table)
        m_table->filter();
}

void BaseJournal::slotRemoveFilter()
{
    if (!startCommand(LocaleBaseWidget::remove(), BaseTable::CommandRemoveFilter))
        return;
    if (m_table)
        m_table->removeFilter();
}

void BaseJournal::slotReload()
{
    if (!startCommand(LocaleBaseWidget::reload(), BaseTable::CommandReload))
        return;
    if (m_table)
        m_table->reload();
}

void BaseJournal::slotSelectionChanged()
{
    updateCommands(LocaleBaseWidget::selectionChanged(), QStringLiteral("selectionModel"), m_rowCommands);
}

void BaseJournal::updateCommands(const QString& action, const QString& modelName, const QList<int>& rowCommands)
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
    if (!m_table || !m_table->selectionModel()) {
        reportInvalidObject(modelName);
        return;
    }
    const bool selected = m_table->selectionModel()->hasSelection();
    m_syncManager->setEnabled(BaseTable::CommandAdd, canAdd());
    m_syncManager->setEnabled(BaseTable::CommandEdit, selected);
    m_syncManager->setEnabled(BaseTable::CommandDelete, selected);
    m_syncManager->setEnabled(BaseTable::CommandFilter, true);
    m_syncManager->setEnabled(BaseTable::CommandRemoveFilter, true);
    for (int command : rowCommands)
        m_syncManager->setEnabled(command, selected);
    m_syncManager->setEnabled(BaseTable::CommandReload, true);
}

void BaseJournal::openSelectedPage(DBPageRecord* page)
{
    const qint64 id = m_table ? m_table->selectedId() : -1;
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

void BaseJournal::handleRecordsChanged(const RecordChanges& changes)
{
    if (!m_table)
        return;
    // News come between the user's commands: the log keeps their context.
    const QString className = Logger::contextClassName();
    const QString action = Logger::contextAction();
    if (m_table->showChanges(changes, m_showingOwnWrites))
        slotSelectionChanged();
    Logger::setContext(className, action);
}

void BaseJournal::reportInvalidObject(const QString& name) const { UtilReport::invalidObject(name); }
void BaseJournal::reportListError(const DBListBase* list) const { UtilReport::listError(list); }
void BaseJournal::reportRecordError(const DBBase* record) const { UtilReport::recordError(record); }

} // namespace Vexal
