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
    m_boxLayout = UtilGui::createVBoxLayout(this);
    createToolbar();
    connectToolbar();
    createSplitter();
    createTree();
    connectTree();
    createTable();
    connectTable();
    if (m_splitter->count() > 1) {
        m_splitter->setStretchFactor(0, 1);
        m_splitter->setStretchFactor(1, 3);
    }
}

void BaseJournalTree::createSplitter()
{
    m_splitter = new QSplitter(this);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_boxLayout->addWidget(m_splitter);
}

void BaseJournalTree::createTree()
{
    installTree(new BaseTree(m_syncManager, {}, this));
}

void BaseJournalTree::installTree(BaseTree* value)
{
    m_tree = value;
    m_tree->build();
    m_splitter->addWidget(m_tree);
}

void BaseJournalTree::connectTree()
{
    if (m_tree)
        connect(m_tree, &BaseTree::onSelectionChanged, this, &BaseJournalTree::handleTreeSelectionChanged);
}

void BaseJournalTree::placeTable(BaseTable* value)
{
    m_splitter->addWidget(value);
}

} // namespace Vexal
