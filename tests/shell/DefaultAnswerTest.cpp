#include "TestRunner.h"

#include "FakePage.h"
#include "JournalDriver.h"
#include "ProgramServer.h"
#include "ScriptedPrompt.h"
#include "ShownTabs.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "app/WndMain.h"
#include "content/WidArticleJournal.h"
#include "content/WidSynonymJournal.h"
#include "content/WidWordTree.h"
#include "core/Init.h"
#include "data/DBCache.h"
#include "shell/WidTabManager.h"
#include "sites/WidProjectJournal.h"
#include "views/BaseTable.h"
#include "views/WidBookmarkJournal.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <functional>
#include <initializer_list>

using namespace Vexal;

namespace {

// One question of the program that deletes, overwrites or discards when
// answered Yes. `ask` brings it up as a user does and tells whether what it
// guards is still there afterwards.
struct Question
{
    const char* name;
    const char* askedIn; // the source file that asks it
    QString text;
    std::function<bool()> ask;
};

int count(const QString& table) { return TestDatabase::rowCount(table); }

// A fresh database with a current project and the rows of `seed` (%1 is the
// project), and a tab manager for the journals.
struct Desk
{
    TestDatabase db;
    int project = useProject(QStringLiteral("Current"));
    WidTabManager tabs;

    explicit Desk(std::initializer_list<const char*> seed = {})
    {
        for (const char* statement : seed)
            TestDatabase::exec(QString::fromLatin1(statement).arg(project));
    }
    // The journal opened as its command opens it, with the row of `id` selected.
    template <class Journal>
    Journal* journal(int id = -1)
    {
        auto* opened = JournalDriver::openJournal<Journal>(tabs);
        if (id >= 0)
            JournalDriver::selectId(opened, id);
        return opened;
    }
};

// A tab manager with `pages` more tabs.
struct Tabs : ShownTabs
{
    explicit Tabs(int pages)
    {
        for (int i = 0; i < pages; ++i)
            add(new FakePage);
    }
    FakePage* page(int index) const { return dynamic_cast<FakePage*>(widget.widget(index)); }
};

// The main window with a second page, modified or not.
bool windowStaysOpen(bool modified)
{
    TestDatabase db;
    WndMain window;
    if (!window.initialize())
        return false;
    auto* page = new FakePage;
    window.tabManager()->addFocusedTab(page, new Init);
    page->setModified(modified);
    window.slotCloseWindow();
    const bool open = window.isVisible();
    page->setModified(false);
    window.slotExit();
    return open;
}

const QList<Question>& questions()
{
    static const QList<Question> all = {
        {"delete records", "src/views/BaseJournal.cpp",
         "I am going to delete 1 selected record(s). Should I continue?",
         [] {
             Desk desk({"INSERT INTO Bookmark (ID, Name, Title, URL) VALUES (3, 'b', 'B', 'http://b.test/')"});
             desk.journal<WidBookmarkJournal>(3)->remove();
             return count("Bookmark") == 1;
         }},
        {"delete a project and its records", "src/views/BaseJournal.cpp",
         "I am going to delete 1 selected project(s) and the records they own (Articles: 1). Should I continue?",
         [] {
             Desk desk({"INSERT INTO Project (ID, Name, Active) VALUES (7, 'Other', 0)",
                        "INSERT INTO Article (Name, ProjectID) VALUES ('a', 7)"});
             desk.journal<WidProjectJournal>(7)->remove();
             return count("Project") == 2 && count("Article") == 1;
         }},
        {"delete a word and its synonyms", "src/content/WidSynonymJournal.cpp",
         "I am going to delete selected record(s). Should I continue?",
         [] {
             Desk desk({"INSERT INTO Language (ID, Name) VALUES (1, 'English')",
                        "INSERT INTO Word (ID, Name, LanguageID) VALUES (10, 'fast', 1)",
                        "INSERT INTO Synonym (Name, WordID) VALUES ('quick', 10)"});
             auto* journal = desk.journal<WidSynonymJournal>();
             for (QTreeWidgetItemIterator it(journal->wordTree()); *it; ++it)
                 if ((*it)->data(0, Qt::UserRole).toString() == QStringLiteral("10"))
                     journal->wordTree()->setCurrentItem(*it);
             journal->slotDeleteWord();
             return count("Word") == 1 && count("Synonym") == 1;
         }},
        {"restore the default layout", "src/views/BaseTable.cpp",
         "I am going to restore default layout. Should I continue?",
         [] {
             Desk desk;
             BaseTable* table = desk.journal<WidBookmarkJournal>()->tableWidget();
             table->slotSaveLayout();
             const int saved = count("Column");
             table->slotRestoreLayout();
             return saved > 0 && count("Column") == saved;
         }},
        {"duplicate articles", "src/content/WidArticleJournal.cpp",
         "I am going to duplicate selected article(s). Should I continue?",
         [] {
             Desk desk({"INSERT INTO Article (ID, Name, ProjectID) VALUES (5, 'a', %1)"});
             desk.journal<WidArticleJournal>(5)->slotCopy();
             return count("Article") == 1;
         }},
        {"close a tab with unsaved data", "src/shell/WidTabManager.cpp",
         "You will lose all unsaved data. Should I continue?",
         [] {
             Tabs tabs(1);
             tabs.page(1)->setModified(true);
             tabs.widget.closeTab(1, false);
             return tabs.widget.count() == 2;
         }},
        {"close other tabs", "src/shell/WidTabManager.cpp",
         "I am going to close other tabs. Should I continue?",
         [] {
             Tabs tabs(2);
             tabs.rightClick(1);
             tabs.widget.slotContextCloseOtherTabs();
             return tabs.widget.count() == 3;
         }},
        {"reload all tabs", "src/shell/WidTabManager.cpp",
         "The application may hover on a large number of tabs. Should I continue?",
         [] {
             Tabs tabs(1);
             tabs.rightClick(1);
             tabs.widget.slotContextReloadAllTabs();
             return !tabs.page(1)->calls.contains(QStringLiteral("reload"));
         }},
        {"close the window with unsaved data", "src/app/WndMainBase.cpp",
         "You will lose all unsaved data. Should I continue?", [] { return windowStaysOpen(true); }},
        {"close the window with several tabs", "src/app/WndMainBase.cpp",
         "I am going to close all tabs. Should I continue?", [] { return windowStaysOpen(false); }},
    };
    return all;
}

} // namespace

// Enter in a question that deletes, overwrites or discards answers No: the
// default button is No, so a key pressed in haste loses nothing.
class DefaultAnswerTest : public FakePageTest
{
    Q_OBJECT

    ProgramServer m_server;

private slots:
    void initTestCase() { QVERIFY(m_server.startForProgram()); }
    void cleanupTestCase() { m_server.stopForProgram(); }

    // The box the program shows: Enter presses its default button.
    void enterPressesTheDefaultButton_data()
    {
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("No") << int(QMessageBox::No);
        QTest::newRow("Yes") << int(QMessageBox::Yes);
    }

    void enterPressesTheDefaultButton()
    {
        QFETCH(int, defaultButton);
        QCOMPARE(int(ScriptedPrompt::enter(nullptr, QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                                           QMessageBox::Yes | QMessageBox::No,
                                           QMessageBox::StandardButton(defaultButton))),
                 defaultButton);
    }

    void enterAnswersNo_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < questions().size(); ++i)
            QTest::newRow(questions().at(i).name) << i;
    }

    void enterAnswersNo()
    {
        QFETCH(int, index);
        const Question& question = questions().at(index);
        ScriptedPrompt prompt;
        prompt.pressEnter = true;
        const bool kept = question.ask();
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages.at(0).icon, QMessageBox::Question);
        QCOMPARE(prompt.messages.at(0).text, question.text);
        QVERIFY2(kept, "Enter answered Yes");
    }

    // Every source file that asks a question has its questions in the table
    // above, so that a new question is not forgotten.
    void everyQuestionIsInTheTable()
    {
        const QRegularExpression asks(QStringLiteral("\\b(UtilGui|UtilPrompt)::question\\("));
        QStringList asking;
        QDirIterator files(QStringLiteral(TESVAR_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            if (asks.match(QString::fromUtf8(file.readAll())).hasMatch())
                asking << file.fileName().mid(int(qstrlen(TESVAR_SOURCE_DIR)) + 1);
        }
        // The hook and the helper that pass questions on ask none themselves.
        asking.removeAll(QStringLiteral("src/core/UtilPrompt.cpp"));
        asking.removeAll(QStringLiteral("src/widgets/UtilGui.cpp"));
        QStringList covered;
        for (const Question& question : questions())
            covered << QString::fromLatin1(question.askedIn);
        for (const QString& file : qAsConst(asking))
            QVERIFY2(covered.contains(file), qPrintable(file + QStringLiteral(" asks a question the table lacks")));
        QVERIFY(!asking.isEmpty());
    }
};

TESVAR_TEST(DefaultAnswerTest)
#include "DefaultAnswerTest.moc"
