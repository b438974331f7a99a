#include "FreshStateTest.h"
#include "JournalDriver.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBCache.h"
#include "data/DBMasterAccount.h"
#include "data/DBProject.h"
#include "core/DBSql.h"
#include "data/DBWebsite.h"
#include "shell/WidTabManager.h"
#include "app/DelegateProject.h"
#include "sites/DelegateSiteJournals.h"
#include "sites/DlgCreateMasterAccount.h"
#include "sites/DlgSelectProject.h"
#include "sites/OnlineToolsMenu.h"
#include "sites/WidAccountEditor.h"
#include "sites/WidAccountJournal.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountJournal.h"
#include "sites/WidProjectEditor.h"
#include "sites/WidProjectJournal.h"
#include "sites/WidRankEditor.h"
#include "sites/WidRankJournal.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteEditor.h"
#include "sites/WidWebsiteJournal.h"
#include "sites/WidWebsiteTree.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleMessage.h"
#include "views/UtilDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <functional>

using namespace Vexal;

namespace {

const auto exec = TestDatabase::exec;
const auto value = TestDatabase::value;

// Project 1 "Default", active and cached, like after start-up.
void startWithDefaultProject()
{
    QVERIFY(exec(QStringLiteral("INSERT INTO Project (ID, Name, Active, URL) VALUES (1, 'Default', 1, 'http://d')")));
    DBProject project;
    QVERIFY(project.load(1));
    DBCache::setProject(&project);
}

using namespace JournalDriver;

// The journals as after start-up: a fresh database with the default project
// current, and the menu commands that open their pages in a tab manager.
struct Desk
{
    TestDatabase db;
    WidTabManager tabs;
    DelegateProject projects{&tabs, nullptr};
    DelegateSiteJournals sites{&tabs, nullptr};

    Desk() { startWithDefaultProject(); }
    template <class Page>
    Page* page() { return current<Page>(tabs); }
    // Runs a menu command and returns the page it made current.
    template <class Page, class Commands>
    Page* open(Commands& commands, void (Commands::*command)())
    {
        (commands.*command)();
        return page<Page>();
    }
};

} // namespace

class SiteJournalTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void projectsAreCreatedEditedAndSwitched()
    {
        Desk desk;
        auto* journal = desk.open<WidProjectJournal>(desk.projects, &DelegateProject::openProjects);
        QVERIFY(journal);
        QCOMPARE(rows(journal), 1);

        journal->add();
        auto* editor = desk.page<WidProjectEditor>();
        QVERIFY(editor);
        editor->nameEdit->setText(QStringLiteral("Shop"));
        editor->urlEdit->setText(QStringLiteral("http://shop.example"));
        editor->save();
        const int shop = editor->init()->id();
        QVERIFY(shop > 1);
        QCOMPARE(value(QStringLiteral("SELECT Active FROM Project WHERE ID = %1").arg(shop)).toInt(), 0);

        QSignalSpy updates(UtilSignalManager::instance(), &UtilSignalManager::onUpdateProject);
        journal->reload();
        QVERIFY(!journal->syncManagerObject()->isEnabled(19));
        QVERIFY(selectId(journal, shop));
        QVERIFY(journal->syncManagerObject()->isEnabled(19));
        journal->slotSelect();
        QCOMPARE(value(QStringLiteral("SELECT group_concat(ID) FROM Project WHERE Active = 1")).toString(),
                 QString::number(shop));
        QCOMPARE(DBCache::projectId(), shop);
        QCOMPARE(updates.count(), 1);

        // Renaming the current project refreshes the cached one.
        QVERIFY(selectId(journal, shop));
        journal->edit();
        auto* edited = desk.page<WidProjectEditor>();
        QVERIFY(edited && edited != editor);
        edited->nameEdit->setText(QStringLiteral("Shop 2"));
        edited->save();
        QCOMPARE(DBCache::projectName(), QStringLiteral("Shop 2"));
        QCOMPARE(updates.count(), 2);

        // The Projects menu's switch runs the dialog, which switches on accept.
        UtilDialog::setRunner([](QDialog* dialog) {
            auto* select = qobject_cast<DlgSelectProject*>(dialog);
            if (!select)
                return int(QDialog::Rejected);
            select->setProjectId(1);
            select->slotAccept();
            return select->result();
        });
        desk.projects.switchToProject();
        QCOMPARE(DBCache::projectId(), 1);
        QCOMPARE(value(QStringLiteral("SELECT ID FROM Project WHERE Active = 1")).toInt(), 1);
        QVERIFY(Logger::errors().isEmpty());
    }

    // No path of the projects journal deletes the current project; deleting
    // another asks how many of its records go with it, and they do go.
    void deletingProjectsSparesTheActiveOneAndTakesOwnedRecords()
    {
        Desk desk;
        QVERIFY(exec(QStringLiteral("INSERT INTO Project (ID, Name, Active, URL) VALUES (2, 'Shop', 0, 'http://s'), "
                                    "(3, 'Blog', 0, 'http://b')")));
        for (int project : {1, 2, 3}) {
            QVERIFY(exec(QStringLiteral("INSERT INTO Article (ID, Name, ProjectID) VALUES (%1, 'a', %2), (%3, 'b', %2)")
                             .arg(project * 10)
                             .arg(project)
                             .arg(project * 10 + 1)));
            QVERIFY(exec(QStringLiteral("INSERT INTO SpunArticle (Name, ProjectID, ArticleID) VALUES ('s', %1, %2)")
                             .arg(project)
                             .arg(project * 10)));
            QVERIFY(exec(QStringLiteral("INSERT INTO Account (Name, ProjectID) VALUES ('x', %1), ('y', %1), ('z', %1)")
                             .arg(project)));
            QVERIFY(exec(QStringLiteral("INSERT INTO SocialBookmark (Name, ProjectID) VALUES ('m', %1)").arg(project)));
        }
        // A spun article filed elsewhere goes with its article.
        QVERIFY(exec(QStringLiteral("INSERT INTO SpunArticle (Name, ProjectID, ArticleID) VALUES ('t', 3, 20)")));
        auto* journal = desk.open<WidProjectJournal>(desk.projects, &DelegateProject::openProjects);
        QVERIFY(journal);
        ScriptedPrompt prompt;
        const auto owned = [](const QString& table, int project) {
            return value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ProjectID = %2").arg(table).arg(project))
                .toInt();
        };

        // The active project alone, and among all the listed ones: refused
        // with a warning that names it, nothing asked, nothing deleted.
        for (bool all : {false, true}) {
            if (all)
                journal->selectAll();
            else
                QVERIFY(selectId(journal, 1));
            prompt.messages.clear();
            journal->remove();
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages.at(0).icon, QMessageBox::Warning);
            QVERIFY(prompt.messages.at(0).text.contains(QStringLiteral("\"Default\"")));
            QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 3);
        }
        // The cached current project counts even when its flag was lost.
        QVERIFY(exec(QStringLiteral("UPDATE Project SET Active = 0")));
        QVERIFY(selectId(journal, 1));
        journal->remove();
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 3);
        QVERIFY(exec(QStringLiteral("UPDATE Project SET Active = 1 WHERE ID = 1")));

        // Another project: the question counts each kind; No keeps everything.
        QVERIFY(selectId(journal, 2));
        prompt.messages.clear();
        prompt.answers.enqueue(QMessageBox::No);
        journal->remove();
        QCOMPARE(prompt.messages.size(), 1);
        const QString question = prompt.messages.at(0).text;
        for (const QString& part : {QStringLiteral("Articles: 2"), QStringLiteral("Spun Articles: 2"),
                                    QStringLiteral("Project Accounts: 3"), QStringLiteral("Social Bookmarks: 1")})
            QVERIFY2(question.contains(part), qPrintable(question));
        QVERIFY(!question.contains(QStringLiteral("Directories")));
        QVERIFY(question.startsWith(QStringLiteral("I am going to delete 1 selected project(s)")));
        QCOMPARE(owned(DBSql::tableArticle(), 2), 2);

        prompt.answers.enqueue(QMessageBox::Yes);
        journal->remove();
        QCOMPARE(TestDatabase::rowCount(DBSql::tableProject()), 2);
        for (const QString& table : {DBSql::tableArticle(), DBSql::tableSpunArticle(), DBSql::tableAccount(),
                                     DBSql::tableSocialBookmark()}) {
            QCOMPARE(owned(table, 2), 0);
            QVERIFY(owned(table, 1) > 0);
            QVERIFY(owned(table, 3) > 0);
        }
        QCOMPARE(value(QStringLiteral("SELECT COUNT(*) FROM SpunArticle WHERE ArticleID = 20")).toInt(), 0);
        QCOMPARE(DBCache::projectId(), 1);
        QVERIFY(Logger::errors().isEmpty());
    }

    void websiteTypesHostsAndPages()
    {
        Desk desk;
        QVERIFY(exec(QStringLiteral("INSERT INTO Website (ID, Name, Type, Host, HomePage, Email, GPR, APR) VALUES "
                                    "(1, 'mail', 4, '{mail.example}', '', 0, 0, 0), "
                                    "(2, 'blog', 24, '{blog.example}', 'http://blog.example/', 0, 0, 0)")));
        auto* journal = desk.open<WidWebsiteJournal>(desk.sites, &DelegateSiteJournals::openWebsites);
        QVERIFY(journal);
        WidWebsiteTree* tree = journal->websiteTree();
        QCOMPARE(tree->currentType(), 4); // starts on Email
        QCOMPARE(rows(journal), 1);
        tree->setCurrentType(16);
        QCOMPARE(rows(journal), 1);
        QVERIFY(selectId(journal, 2));
        tree->setCurrentType(0);
        QCOMPARE(rows(journal), 2);
        filterBy(journal, DBSql::colName(), -1, QStringLiteral("blo"));
        QCOMPARE(rows(journal), 1);
        journal->slotRemoveFilter();
        QCOMPARE(rows(journal), 2);

        // Page commands: a missing address warns, a present one loads in a new tab.
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        QSignalSpy loads(UtilSignalManager::instance(), &UtilSignalManager::onLoad);
        QVERIFY(selectId(journal, 1));
        journal->slotOpenPage(28);
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(warnings.at(0).at(0).toString(), LocaleMessage::homePageMissing());
        QVERIFY(selectId(journal, 2));
        journal->slotOpenPage(28);
        QCOMPARE(loads.count(), 1);
        QCOMPARE(loads.at(0).at(0).toUrl(), QUrl(QStringLiteral("http://blog.example/")));

        // A new website takes the tree's type; hosts are stored in braces.
        tree->setCurrentType(32);
        journal->add();
        auto* editor = desk.page<WidWebsiteEditor>();
        QVERIFY(editor);
        QCOMPARE(editor->typeFlags(), 32);
        editor->nameEdit->setText(QStringLiteral("dir"));
        editor->hostEdit->setText(QStringLiteral("Dir.Example, https://www.dir.example/submit"));
        editor->emailBox->setChecked(true);
        editor->typeBoxes.at(0)->setChecked(true); // Email too
        editor->save();
        DBWebsite stored;
        QVERIFY(stored.load(editor->init()->id()));
        QCOMPARE(stored.host(), QStringLiteral("{dir.example}{www.dir.example}"));
        QCOMPARE(stored.type(), 36);
        QVERIFY(stored.email());
        QCOMPARE(editor->hostEdit->text(), stored.host());
    }

    void hostTextPutsEveryHostInBraces()
    {
        QCOMPARE(WidWebsiteEditor::hostText(QStringLiteral("{a.com}{www.a.com}")), QStringLiteral("{a.com}{www.a.com}"));
        QCOMPARE(WidWebsiteEditor::hostText(QStringLiteral("A.com; a.com  b.org:8080/x")),
                 QStringLiteral("{a.com}{b.org}"));
        QCOMPARE(WidWebsiteEditor::hostText(QStringLiteral("http://user@c.net/path")), QStringLiteral("{c.net}"));
        QCOMPARE(WidWebsiteEditor::hostText(QStringLiteral("  ")), QString());
    }

    void accountPasswordsSurviveTheEditor()
    {
        Desk desk;
        auto* journal = desk.open<WidAccountJournal>(desk.sites, &DelegateSiteJournals::openAccounts);
        QVERIFY(journal);

        // No website to choose: saving warns and stores nothing.
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        journal->add();
        auto* empty = desk.page<WidAccountEditor>();
        QVERIFY(empty);
        empty->nameEdit->setText(QStringLiteral("x"));
        empty->save();
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(TestDatabase::rowCount(DBSql::tableAccount()), 0);

        QVERIFY(exec(QStringLiteral("INSERT INTO Website (ID, Name, Type, Host) VALUES (7, 'forum', 64, '{f.example}')")));
        journal->add();
        auto* editor = desk.page<WidAccountEditor>();
        QVERIFY(editor && editor != empty);
        editor->typeCombo->setCurrentType(64);
        QCOMPARE(editor->websiteCombo->currentId(), 7);
        editor->nameEdit->setText(QStringLiteral("me on forum"));
        editor->loginEdit->setText(QStringLiteral("me"));
        const QString secret = QStringLiteral("p\u00e4ss w\u00f6rd!");
        editor->passwordEdit->setPlainText(secret);
        editor->save();
        const int id = editor->init()->id();
        QVERIFY(id > 0);
        DBAccount account;
        QVERIFY(account.load(id));
        QCOMPARE(account.projectId(), 1);
        QCOMPARE(account.websiteId(), 7);
        QVERIFY(account.password() != secret);
        QCOMPARE(account.decryptedPassword(), secret);
        const QString scrambled = account.password();

        journal->reload();
        QCOMPARE(rows(journal), 1);
        QVERIFY(selectId(journal, id));
        journal->edit();
        auto* reopened = desk.page<WidAccountEditor>();
        QVERIFY(reopened && reopened != editor);
        QCOMPARE(reopened->passwordEdit->plainText(), secret);
        QCOMPARE(reopened->typeCombo->currentType(), 64);
        QCOMPARE(reopened->websiteCombo->currentId(), 7);
        reopened->loginEdit->setText(QStringLiteral("me2"));
        reopened->save();
        QVERIFY(account.load(id));
        QCOMPARE(account.login(), QStringLiteral("me2"));
        QCOMPARE(account.password(), scrambled); // untouched field: stored text as it was

        // An account whose website is gone shows no website, so saving cannot
        // move it to another one.
        QVERIFY(exec(QStringLiteral("UPDATE Account SET WebsiteID = 99 WHERE ID = %1").arg(id)));
        QVERIFY(selectId(journal, id));
        journal->edit();
        auto* orphan = desk.page<WidAccountEditor>();
        QVERIFY(orphan);
        QCOMPARE(orphan->websiteCombo->currentId(), -1);
        orphan->loginEdit->setText(QStringLiteral("me3"));
        orphan->save();
        QVERIFY(account.load(id));
        QCOMPARE(account.websiteId(), 99);
        QCOMPARE(account.login(), QStringLiteral("me2"));
    }

    void masterAccountsAreStoredSelectedAndCreated()
    {
        Desk desk;
        QVERIFY(exec(QStringLiteral("INSERT INTO Language (ID, Name) VALUES (1, 'English')")));
        QVERIFY(exec(QStringLiteral("INSERT INTO Country (ID, Name, Code) VALUES (1, 'Utopia', 'UT')")));
        QVERIFY(exec(QStringLiteral("INSERT INTO City (Name, CountryID, Province) VALUES ('Alpha', 1, 'North')")));
        QVERIFY(exec(QStringLiteral("INSERT INTO Address (Name, CountryID) VALUES ('1 Main St', 1)")));
        QVERIFY(exec(QStringLiteral("INSERT INTO FirstName (Name, LanguageID, Gender) VALUES ('Adam', 1, 1), "
                                    "('Clara', 1, 0)")));
        QVERIFY(exec(QStringLiteral("INSERT INTO LastName (Name, LanguageID) VALUES ('Smith', 1)")));
        QVERIFY(exec(QStringLiteral("INSERT INTO MasterAccount (ID, Name, Active) VALUES (1, 'main', 0)")));
        auto* journal = desk.open<WidMasterAccountJournal>(desk.sites, &DelegateSiteJournals::openMasterAccounts);
        QVERIFY(journal);

        // Create Account: the dialog fills this page's new account and saves it.
        journal->add();
        auto* created = desk.page<WidMasterAccountEditor>();
        QVERIFY(created);
        UtilDialog::setRunner([](QDialog* dialog) {
            auto* create = qobject_cast<DlgCreateMasterAccount*>(dialog);
            if (!create)
                return int(QDialog::Rejected);
            create->findChild<QCheckBox*>()->setChecked(true);
            create->slotAccept();
            return create->result();
        });
        created->slotCreateAccount();
        const int second = created->init()->id();
        QVERIFY(second > 1);
        QVERIFY(!created->isModified());
        DBMasterAccount drawn;
        QVERIFY(drawn.load(second));
        QCOMPARE(drawn.lastName(), QStringLiteral("Smith"));
        QCOMPARE(created->nameEdit->text(), drawn.name());
        // A question's number shows the text a fill writes for it.
        auto* question = created->findChild<QSpinBox*>();
        QCOMPARE(question->text(), QStringLiteral("0 - What was the name of your first pet?"));
        question->setValue(2);
        QCOMPARE(question->text(), QStringLiteral("2 - In what town were you born?"));

        // Select makes one account the only active one.
        journal->reload();
        QCOMPARE(rows(journal), 2);
        QVERIFY(selectId(journal, second));
        journal->slotSelect();
        QCOMPARE(value(QStringLiteral("SELECT ID FROM MasterAccount WHERE Active = 1")).toInt(), second);
        QVERIFY(selectId(journal, 1));
        journal->slotSelect();
        QCOMPARE(value(QStringLiteral("SELECT group_concat(ID) FROM MasterAccount WHERE Active = 1")).toString(),
                 QStringLiteral("1"));
        filterBy(journal, DBSql::colName(), -1, QStringLiteral("mai"));
        QCOMPARE(rows(journal), 1);
        QVERIFY(Logger::errors().isEmpty());
    }

    void ranksOpenEditAndFilter()
    {
        Desk desk;
        QVERIFY(exec(QStringLiteral("INSERT INTO Rank (Name, Host, CreateDate, Google, Alexa) VALUES "
                                    "('a', 'a.example', '2020-01-02', 3, 100), ('b', 'b.example', '2020-01-03', 4, 5)")));
        auto* journal = desk.open<WidRankJournal>(desk.sites, &DelegateSiteJournals::openRanks);
        QVERIFY(journal);
        QCOMPARE(rows(journal), 2);
        QVERIFY(selectId(journal, 1));
        journal->edit();
        auto* editor = desk.page<WidRankEditor>();
        QVERIFY(editor);
        QCOMPARE(editor->dateEdit->date(), QDate(2020, 1, 2));
        editor->hostEdit->setText(QStringLiteral("c.example"));
        editor->save();
        QCOMPARE(value(QStringLiteral("SELECT Host || '/' || CreateDate FROM Rank WHERE ID = 1")).toString(),
                 QStringLiteral("c.example/2020-01-02"));
        QVERIFY(Logger::errors().isEmpty());
    }

    void onlineToolsMenuIsRebuiltFromTheTable()
    {
        TestDatabase db;
        QVERIFY(exec(QStringLiteral("INSERT INTO OnlineTool (Name, URL, Line) VALUES "
                                    "('second', 'http://two.example/', 2), ('first', 'http://one.example/', 1)")));
        QMenu menu;
        menu.addAction(QStringLiteral("fixed"));
        QList<QAction*> connected;
        const auto collect = [&connected](QAction* action) { connected << action; };
        QVERIFY(OnlineToolsMenu::build(&menu, collect));
        QVERIFY(OnlineToolsMenu::build(&menu, collect)); // a rebuild replaces the entries
        QCOMPARE(menu.actions().size(), 3);
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("fixed"));
        QCOMPARE(menu.actions().at(1)->data().toString(), QStringLiteral("http://one.example/"));
        QCOMPARE(menu.actions().at(2)->text(), QStringLiteral("second"));
        QCOMPARE(connected.size(), 4);

        QVERIFY(exec(QStringLiteral("DROP TABLE OnlineTool")));
        QVERIFY(!OnlineToolsMenu::build(&menu, collect));
        QCOMPARE(menu.actions().size(), 1);
        QVERIFY(!Logger::errors().isEmpty());
    }

    void menuCommandsOpenEachJournalOnce()
    {
        Desk desk;
        WidTabManager& tabs = desk.tabs;
        DelegateProject& project = desk.projects;
        DelegateSiteJournals& sites = desk.sites;
        const QList<QPair<std::function<void()>, QString>> commands = {
            {[&] { project.openProjects(); }, QStringLiteral("Vexal::WidProjectJournal")},
            {[&] { project.openArticles(); }, QStringLiteral("Vexal::WidArticleJournal")},
            {[&] { project.openCategories(); }, QStringLiteral("Vexal::WidCategoryJournal")},
            {[&] { project.openSynonyms(); }, QStringLiteral("Vexal::WidSynonymJournal")},
            {[&] { project.openDirectories(); }, QStringLiteral("Vexal::WidDirectoryJournal")},
            {[&] { project.openSocialBookmarks(); }, QStringLiteral("Vexal::WidSocialBookmarkJournal")},
            {[&] { project.openSpinnedArticles(); }, QStringLiteral("Vexal::WidSpinnedArticleJournal")},
            {[&] { sites.openWebsites(); }, QStringLiteral("Vexal::WidWebsiteJournal")},
            {[&] { sites.openAccounts(); }, QStringLiteral("Vexal::WidAccountJournal")},
            {[&] { sites.openMasterAccounts(); }, QStringLiteral("Vexal::WidMasterAccountJournal")},
            {[&] { sites.openRanks(); }, QStringLiteral("Vexal::WidRankJournal")},
        };
        for (const auto& command : commands) {
            const int before = tabs.count();
            command.first();
            QCOMPARE(tabs.count(), before + 1);
            QCOMPARE(QString::fromLatin1(tabs.currentWidget()->metaObject()->className()), command.second);
            tabs.setCurrentIndex(0);
            command.first();
            QCOMPARE(tabs.count(), before + 1);
            QCOMPARE(QString::fromLatin1(tabs.currentWidget()->metaObject()->className()), command.second);
            if (tabs.count() > 1) // stay below the open-tab limit
                QVERIFY(tabs.closeTab(tabs.currentIndex(), true));
        }
        // Without a tab manager nothing opens and the fault is reported.
        DelegateProject loose(nullptr, nullptr);
        loose.openProjects();
        QVERIFY(Logger::errors().last().contains(QStringLiteral("tabManager")));
    }
};

TESVAR_TEST(SiteJournalTest)
#include "SiteJournalTest.moc"
