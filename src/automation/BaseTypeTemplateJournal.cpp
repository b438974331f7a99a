#include "automation/BaseTypeTemplateJournal.h"

#include "automation/BaseTypeTemplateTable.h"
#include "automation/LocaleTemplate.h"
#include "sites/WidWebsiteTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"

#include <QItemSelectionModel>

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

void BaseTypeTemplateJournal::handleTreeSelectionChanged()
{
    const int type = typeTree() ? typeTree()->currentType() : 0;
    m_syncManager->setEnabled(BaseTable::CommandAdd, type != 0);
    if (typeTemplateTable())
        typeTemplateTable()->setType(type);
}

void BaseTypeTemplateJournal::slotSelectionChanged()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleTemplate::selectionChanged());
    if (!m_table || !m_table->selectionModel()) {
        reportInvalidObject(QStringLiteral("selectionModel"));
        return;
    }
    const bool selected = m_table->selectionModel()->hasSelection();
    m_syncManager->setEnabled(BaseTable::CommandEdit, selected);
    m_syncManager->setEnabled(BaseTable::CommandDelete, selected);
    m_syncManager->setEnabled(BaseTable::CommandFilter, true);
    m_syncManager->setEnabled(BaseTable::CommandRemoveFilter, true);
    m_syncManager->setEnabled(BaseTable::CommandReload, true);
}

} // namespace Vexal
