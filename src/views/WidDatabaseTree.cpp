#include "views/WidDatabaseTree.h"

#include "core/DBSql.h"
#include "data/DBUserTable.h"
#include "data/DBUserTableList.h"
#include "texts/LocaleDatabase.h"

namespace Vexal {

WidDatabaseTree::WidDatabaseTree(SyncManager* syncManager, QWidget* parent)
    : BaseTree(syncManager, {DBSql::tableUserTable()}, parent)
{
}

QString WidDatabaseTree::currentData() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : DBSql::tableAccount();
}

void WidDatabaseTree::reload()
{
    clear();
    setColumnCount(1);
    setHeaderLabels({LocaleDatabase::database()});
    setSelectionMode(QAbstractItemView::SingleSelection);
    DBUserTableList list;
    if (!list.load()) {
        reportListError(&list);
        return;
    }
    for (int i = 0; i < list.count(); ++i) {
        const DBUserTable* table = list.at(i);
        if (!table)
            continue;
        auto* item = new QTreeWidgetItem;
        item->setText(0, table->friendlyName());
        item->setData(0, Qt::UserRole, QStringLiteral("%1").arg(table->name()));
        insertTopLevelItem(topLevelItemCount(), item);
    }
}

} // namespace Vexal
