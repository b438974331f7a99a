#include "views/BaseTree.h"

#include "views/UtilReport.h"

namespace Vexal {

BaseTree::BaseTree(SyncManager* syncManager, QWidget* parent)
    : QTreeWidget(parent)
    , m_syncManager(syncManager)
{
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
