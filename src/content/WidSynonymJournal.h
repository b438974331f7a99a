#pragma once

#include "content/WidSynonymEditor.h"
#include "content/WidSynonymTable.h"
#include "texts/LocaleArticle.h"
#include "views/BaseJournalTree.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidWordTree;

// The synonyms journal: the words of each language in a tree, the chosen
// word's synonyms in the table. Add Word opens the word editor on the chosen
// language, Edit Word on the chosen word; Delete Word deletes the word with
// its synonyms (after asking). A new synonym belongs to the chosen word.
class WidSynonymJournal final
    : public BaseRecordJournal<BaseJournalTree, WidSynonymTable, WidSynonymEditor, &LocaleArticle::synonyms>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    WidWordTree* wordTree() const { return m_tree; }
    WidSynonymTable* synonymTable() const { return recordTable(); }

public slots:
    void handleTreeSelectionChanged() override;
    void slotSelectionChanged() override;
    void slotReload() override;
    void slotAddWord();
    void slotEditWord();
    void slotDeleteWord();

protected:
    void createTree() override;
    Init* createInit(QObject* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;

private:
    void openWordEditor(Init* init);

    WidWordTree* m_tree = nullptr;
};

} // namespace Vexal
