#pragma once

#include "views/BaseJournalTree.h"

namespace Vexal {

class WidWebsiteTable;
class WidWebsiteTree;

// The websites journal: the type tree beside the website table. A new
// website takes the tree's current type. The page commands open the selected
// website's home, login, registration or user page in a new tab.
class WidWebsiteJournal final : public BaseJournalTree
{
    Q_OBJECT
public:
    explicit WidWebsiteJournal(QWidget* parent = nullptr);

    QString title() const override;

    WidWebsiteTree* websiteTree() const { return m_tree; }
    WidWebsiteTable* websiteTable() const { return m_table; }

public slots:
    void handleTreeSelectionChanged() override;
    // commandId: SiteCommands::HomePage, LoginPage, RegistrationPage or UserPage.
    void slotOpenPage(int commandId);

protected:
    void createTree() override;
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    Init* createInit(QObject* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;

private:
    WidWebsiteTree* m_tree = nullptr;
    WidWebsiteTable* m_table = nullptr;
};

} // namespace Vexal
