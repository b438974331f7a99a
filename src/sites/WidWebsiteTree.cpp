#include "sites/WidWebsiteTree.h"

#include "data/DBWebsite.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleWebsite.h"

namespace Vexal {

namespace {
constexpr int startType = WebsiteType::Email;
}

WidWebsiteTree::WidWebsiteTree(SyncManager* syncManager, QWidget* parent)
    : BaseTree(syncManager, {}, parent)
{
}

int WidWebsiteTree::currentType() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void WidWebsiteTree::setCurrentType(int flag)
{
    QTreeWidgetItem* root = topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
    if (!root)
        return;
    QTreeWidgetItem* target = root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->data(0, Qt::UserRole).toInt() == flag) {
            target = root->child(i);
            break;
        }
    }
    setCurrentItem(target);
}

void WidWebsiteTree::reload()
{
    clear();
    setColumnCount(1);
    setHeaderLabel(LocaleWebsite::websitesLabel());
    setSelectionMode(QAbstractItemView::SingleSelection);
    auto* root = new QTreeWidgetItem(this);
    root->setText(0, LocaleWebsite::websitesLabel());
    root->setData(0, Qt::UserRole, 0);
    for (int flag : WidWebsiteTypeComboBox::typeOrder()) {
        auto* item = new QTreeWidgetItem(root);
        item->setText(0, DBWebsite::typeText(flag));
        item->setData(0, Qt::UserRole, flag);
    }
    expandAll();
    setCurrentType(startType);
}

void WidWebsiteTree::connectSignals()
{
    // The current item, not the selection, decides the type: keyboard moves
    // change it without necessarily selecting.
    connect(this, &QTreeWidget::currentItemChanged, this, &BaseTree::onSelectionChanged);
}

} // namespace Vexal
