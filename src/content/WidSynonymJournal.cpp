#include "content/WidSynonymJournal.h"

#include "content/DBWord.h"
#include "content/WidWordEditor.h"
#include "content/WidWordTree.h"
#include "core/Init.h"
#include "core/SyncManager.h"
#include "data/DBListBase.h"
#include "core/DBSql.h"
#include "widgets/UtilGui.h"
#include "shell/WidTabManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleBaseWidget.h"


namespace Vexal {

QList<BaseJournalToolbar::Command> WidSynonymJournal::toolbarCommands() const
{
    return {{ConstIcon::addGreen(32), LocaleArticle::addWord(), BaseTable::CommandAddWord},
            {ConstIcon::editGreen(32), LocaleArticle::editWord(), BaseTable::CommandEditWord},
            {ConstIcon::deleteGreen(32), LocaleArticle::deleteWord(), BaseTable::CommandDeleteWord}};
}

void WidSynonymJournal::runCommand(int id)
{
    switch (id) {
    case BaseTable::CommandAddWord:
        slotAddWord();
        break;
    case BaseTable::CommandEditWord:
        slotEditWord();
        break;
    case BaseTable::CommandDeleteWord:
        slotDeleteWord();
        break;
    default:
        break;
    }
}

void WidSynonymJournal::createTree()
{
    m_tree = new WidWordTree(m_syncManager, this);
    installTree(m_tree);
}

Init* WidSynonymJournal::createInit(QObject* parent)
{
    auto* init = new Init(-1, parent);
    init->setSecondId(m_tree ? m_tree->currentWordId() : -1);
    return init;
}

void WidSynonymJournal::handleTreeSelectionChanged()
{
    if (!m_tree || !recordTable())
        return;
    recordTable()->setWordId(m_tree->currentWordId());
    recordTable()->load();
    slotSelectionChanged();
}

// The word commands follow the tree's word, not the table's selection.
void WidSynonymJournal::slotSelectionChanged()
{
    BaseJournalTree::slotSelectionChanged();
    const bool word = m_tree && m_tree->currentWordId() != -1;
    m_syncManager->setEnabled(BaseTable::CommandAdd, word);
    m_syncManager->setEnabled(BaseTable::CommandAddWord, true);
    m_syncManager->setEnabled(BaseTable::CommandEditWord, word);
    m_syncManager->setEnabled(BaseTable::CommandDeleteWord, word);
}

void WidSynonymJournal::slotReload()
{
    if (!startCommand(LocaleBaseWidget::reload(), BaseTable::CommandReload))
        return;
    if (m_tree)
        m_tree->refresh(m_tree->currentWordId()); // reloads the table through the tree
}

void WidSynonymJournal::openWordEditor(Init* init)
{
    std::unique_ptr<Init> ownedInit(init);
    WidTabManager* manager = tabManager();
    if (!manager) {
        reportInvalidObject(QStringLiteral("tabManager"));
        return;
    }
    manager->addFocusedTab(std::make_unique<WidWordEditor>(this), std::move(ownedInit));
}

void WidSynonymJournal::slotAddWord()
{
    if (!startCommand(LocaleArticle::addWord(), BaseTable::CommandAddWord))
        return;
    auto* init = new Init(-1, this);
    init->setSecondId(m_tree ? m_tree->currentLanguageId() : -1);
    openWordEditor(init);
}

void WidSynonymJournal::slotEditWord()
{
    if (!startCommand(LocaleArticle::editWord(), BaseTable::CommandEditWord))
        return;
    const qint64 id = m_tree ? m_tree->currentWordId() : -1;
    if (id == -1)
        return;
    openWordEditor(new Init(id, this));
}

void WidSynonymJournal::slotDeleteWord()
{
    if (!startCommand(LocaleArticle::deleteWord(), BaseTable::CommandDeleteWord))
        return;
    const qint64 id = m_tree ? m_tree->currentWordId() : -1;
    if (id == -1)
        return;
    if (!UtilGui::question(this, LocaleArticle::confirmDeleteRecords()))
        return;
    // The word goes with its synonyms, or nothing goes; a failed commit
    // names its cause as a failed statement does.
    DBListBase list;
    if (!execAll({QStringLiteral("DELETE FROM %1 WHERE %2 = %3;").arg(DBSql::tableSynonym(), DBSql::colWordID()).arg(id),
                  list.deleteText(DBSql::tableWord(), {id})},
                 &list)) {
        reportListError(&list);
        return;
    }
    m_tree->refresh(-1);
}

} // namespace Vexal
