#include "automation/templates/BaseTypeTemplateJournal.h"

#include "automation/templates/BaseTypeTemplateTable.h"
#include "sites/WidWebsiteTree.h"
#include "core/Init.h"
#include "core/SyncManager.h"

namespace Vexal {

BaseTypeTemplateJournal::BaseTypeTemplateJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

WidWebsiteTree* BaseTypeTemplateJournal::typeTree() const
{
    return static_cast<WidWebsiteTree*>(m_tree);
}

BaseTypeTemplateTable* BaseTypeTemplateJournal::typeTemplateTable() const
{
    return static_cast<BaseTypeTemplateTable*>(m_table);
}

void BaseTypeTemplateJournal::createTree()
{
    installTree(new WidWebsiteTree(m_syncManager, this));
}

Init* BaseTypeTemplateJournal::createInit(QObject* parent)
{
    auto* init = new Init(parent);
    init->setType(typeTree() ? typeTree()->currentType() : 0);
    return init;
}

bool BaseTypeTemplateJournal::canAdd() const
{
    return typeTree() && typeTree()->currentType() != 0;
}

void BaseTypeTemplateJournal::handleTreeSelectionChanged()
{
    m_syncManager->setEnabled(BaseTable::CommandAdd, canAdd());
    if (typeTemplateTable())
        typeTemplateTable()->setType(typeTree() ? typeTree()->currentType() : 0);
}

} // namespace Vexal
