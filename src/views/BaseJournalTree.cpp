#include "views/BaseJournalTree.h"

#include "widgets/UtilGui.h"
#include "views/BaseTable.h"
#include "views/BaseTree.h"

#include <QSplitter>
#include <QVBoxLayout>

namespace Vexal {

BaseJournalTree::BaseJournalTree(QWidget* parent)
    : BaseJournal(parent)
{
}

void BaseJournalTree::open()
{
    BaseJournal::open();
    handleTreeSelectionChanged();
}

void BaseJournalTree::handleTreeSelectionChanged()
{
}

void BaseJournalTree::create()
{
    boxLayout = UtilGui::createVBoxLayout(this);
    createToolbar();
    connectToolbar();
    createSplitter();
    createTree();
    connectTree();
    createTable();
    connectTable();
    if (splitter->count() > 1) {
        splitter->setStretchFactor(0, 1);
        splitter->setStretchFactor(1, 3);
    }
}

void BaseJournalTree::createSplitter()
{
    splitter = new QSplitter(this);
    splitter->setChildrenCollapsible(false);
    splitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    boxLayout->addWidget(splitter);
}

void BaseJournalTree::createTree()
{
    installTree(new BaseTree(syncManager, this));
}

void BaseJournalTree::installTree(BaseTree* value)
{
    tree = value;
    tree->build();
    splitter->addWidget(tree);
}

void BaseJournalTree::connectTree()
{
    if (tree)
        connect(tree, &BaseTree::onSelectionChanged, this, &BaseJournalTree::handleTreeSelectionChanged);
}

void BaseJournalTree::placeTable(BaseTable* value)
{
    splitter->addWidget(value);
}

} // namespace Vexal
