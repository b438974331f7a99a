#include "views/BaseTree.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "core/RecordChanges.h"
#include "views/UtilReport.h"

#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>

namespace Vexal {

namespace {

// The texts of an item and its parents, from the top.
QStringList pathOf(const QTreeWidgetItem* item)
{
    QStringList path;
    for (; item; item = item->parent())
        path.prepend(item->text(0));
    return path;
}

} // namespace

BaseTree::BaseTree(SyncManager* syncManager, const QStringList& listedTables, QWidget* parent)
    : QTreeWidget(parent)
    , m_syncManager(syncManager)
    , m_listedTables(listedTables)
{
    if (!m_listedTables.isEmpty())
        connect(UtilSignalManager::instance(), &UtilSignalManager::onRecordsChanged, this,
                &BaseTree::handleRecordsChanged);
}

void BaseTree::handleRecordsChanged(const RecordChanges& changes)
{
    if (!changes.touchesAny(m_listedTables))
        return;
    const QList<QTreeWidgetItem*> chosen = selectedItems();
    const QStringList path = chosen.isEmpty() ? QStringList() : pathOf(chosen.first());
    // An item that names its record (its data) is that record's, whatever
    // its text now; another is found by its texts.
    const QVariant record = chosen.isEmpty() ? QVariant() : chosen.first()->data(0, Qt::UserRole);
    {
        const QSignalBlocker quiet(this);
        reload();
        QTreeWidgetItem* again = nullptr;
        for (QTreeWidgetItemIterator it(this); record.isValid() && *it && !again; ++it) {
            if ((*it)->data(0, Qt::UserRole) == record)
                again = *it;
        }
        for (int level = 0; !record.isValid() && level < path.size(); ++level) {
            const int count = again ? again->childCount() : topLevelItemCount();
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; i < count && !next; ++i) {
                QTreeWidgetItem* item = again ? again->child(i) : topLevelItem(i);
                if (item->text(0) == path.at(level))
                    next = item;
            }
            if (!next) {
                again = nullptr;
                break;
            }
            again = next;
        }
        if (again)
            setCurrentItem(again);
    }
    const QList<QTreeWidgetItem*> now = selectedItems();
    if (record.isValid() ? !now.isEmpty() && now.first()->data(0, Qt::UserRole) == record
                         : (now.isEmpty() ? QStringList() : pathOf(now.first())) == path)
        return;
    // News come between the user's commands: the log keeps their context.
    const QString className = Logger::contextClassName();
    const QString action = Logger::contextAction();
    emit onSelectionChanged();
    Logger::setContext(className, action);
}

void BaseTree::build()
{
    reload();
    connectSignals();
}

QString BaseTree::selectedData() const
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (items.isEmpty())
        return QString();
    return items.first()->data(0, Qt::UserRole).toString();
}

void BaseTree::reload()
{
}

void BaseTree::connectSignals()
{
    connect(this, &QTreeWidget::itemSelectionChanged, this, &BaseTree::onSelectionChanged);
}

void BaseTree::reportInvalidObject(const QString& name) const { UtilReport::invalidObject(name); }
void BaseTree::reportListError(const DBListBase* list) const { UtilReport::listError(list); }
void BaseTree::reportRecordError(const DBBase* record) const { UtilReport::recordError(record); }

} // namespace Vexal
