#pragma once

#include "views/BaseJournalTree.h"

namespace Vexal {

class WidSynonymTable;
class WidWordTree;

// The synonyms journal: the words of each language in a tree, the chosen
// word's synonyms in the table. Add Word opens the word editor on the chosen
// language, Edit Word on the chosen word; Delete Word deletes the word with
// its synonyms (after asking). A new synonym belongs to the chosen word.
class WidSynonymJournal final : public BaseJournalTree
{
    Q_OBJECT
public:
    explicit WidSynonymJournal(QWidget* parent = nullptr);

    QString title() const override;

    WidWordTree* wordTree() const { return m_tree; }
    WidSynonymTable* synonymTable() const { return m_table; }

public slots:
    void handleTreeSelectionChanged() override;
    void slotSelectionChanged() override;
    void slotReload() override;
    void slotAddWord();
    void slotEditWord();
    void slotDeleteWord();

protected:
    void createTree() override;
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    Init* createInit(QObject* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;

private:
    void openWordEditor(Init* init);

    WidWordTree* m_tree = nullptr;
    WidSynonymTable* m_table = nullptr;
};

} // namespace Vexal
