#pragma once

#include "sites/WidWebsiteEditor.h"
#include "sites/WidWebsiteTable.h"
#include "texts/LocaleWebsite.h"
#include "views/BaseJournalTree.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidWebsiteTree;

// The websites journal: the type tree beside the website table. A new
// website takes the tree's current type. The page commands open the selected
// website's home, login, registration or user page in a new tab.
class WidWebsiteJournal final
    : public BaseRecordJournal<BaseJournalTree, WidWebsiteTable, WidWebsiteEditor, &LocaleWebsite::websites>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    WidWebsiteTree* websiteTree() const { return m_tree; }
    WidWebsiteTable* websiteTable() const { return recordTable(); }

public slots:
    void handleTreeSelectionChanged() override;
    // commandId: BaseTable::CommandHomePage, CommandLoginPage, CommandRegistrationPage or
    // CommandUserPage.
    void slotOpenPage(int commandId);

protected:
    void createTree() override;
    Init* createInit(QObject* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;

private:
    WidWebsiteTree* m_tree = nullptr;
};

} // namespace Vexal
