#include "FreshStateTest.h"
#include "JobFault.h"
#include "JournalDriver.h"
#include "ScriptedPrompt.h"
#include "SmallDisk.h"
#include "SpinnerDriver.h"
#include "SpyTexts.h"
#include "StatementTrace.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestFolder.h"
#include "TestRunner.h"
#include "UnderX11.h"

#include "automation/submit/ExtArticleSubmitter.h"
#include "content/DBArticle.h"
#include "content/DBSpinnedArticle.h"
#include "content/DBWord.h"
#include "content/ThreadSpinner.h"
#include "content/WidArticleComboBox.h"
#include "content/WidArticleEditor.h"
#include "content/WidArticleJournal.h"
#include "content/WidCategoryComboBox.h"
#include "content/WidSpinnedArticleComboBox.h"
#include "content/WidSpinnedArticleJournal.h"
#include "content/WidSynonymJournal.h"
#include "content/WidWordTree.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBCategory.h"
#include "data/DBConnection.h"
#include "data/DBManager.h"
#include "data/DBMasterAccount.h"
#include "data/DBMasterAccountList.h"
#include "data/DBProject.h"
#include "exchange/ThreadXmlImport.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/DlgCreateMasterAccount.h"
#include "sites/WidMasterAccountComboBox.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidAccountJournal.h"
#include "sites/WidMasterAccountJournal.h"
#include "sites/WidProjectJournal.h"
#include "texts/LocaleMessage.h"
#include "views/BaseComboBox.h"
#include "views/BaseTableModel.h"
#include "views/WidBookmarkJournal.h"
#include "views/WidHistoryJournal.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTreeWidgetItemIterator>
#include <QWebPage>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

using namespace Vexal;
using namespace JournalDriver;

namespace {

// A user's desk in a new database file: the current project with an article
// written in spintax and a spun article of it, two categories, a word, a
// master account, and the identity tables the master-account generator
// draws from.
struct Desk
{
    TestDatabase db;
    WidTabManager tabs;
    WidWebTab webTab;
    int project = -1, article = -1, spun = -1, master = -1, category = -1, word = -1;
    bool exposed = false;

    // In a file with a write-ahead log, or in one with a rollback journal as
    // a backup is.
    explicit Desk(bool writeAheadLog = true)
    {
        if (writeAheadLog)
            DBConnection::useWriteAheadLog(db.database());
        else
            TestDatabase::exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        // The lists are before the user's eyes: a list that is not shown
        // reads what changed when it is.
        tabs.resize(600, 400);
        tabs.show();
        exposed = QTest::qWaitForWindowExposed(&tabs);
        project = useProject(QStringLiteral("P"));
        category = addRow(QStringLiteral("Category"), {{"Name", "News"}});
        addRow(QStringLiteral("Category"), {{"Name", "Sport"}});
        article = addRow(QStringLiteral("Article"),
                         {{"Name", "A1"}, {"ProjectID", project}, {"Spun", 0}, {"Title", "{Good|Nice} day"},
                          {"TitleMode", 8}, {"Intro", "{a|b}"}, {"IntroMode", 8}, {"Body", "x"}, {"BodyMode", 8}});
        spun = addRow(QStringLiteral("SpunArticle"), {{"Name", "S1"}, {"ProjectID", project}, {"ArticleID", article},
                                                      {"TitleFinal", "T1"}});
        master = addRow(QStringLiteral("MasterAccount"), {{"Name", "main"}, {"Active", 1}});
        for (const char* statement :
             {"INSERT INTO Language (ID, Name) VALUES (1, 'English')",
              "INSERT INTO Country (ID, Name, Code) VALUES (1, 'Utopia', 'UT')",
              "INSERT INTO City (Name, CountryID, Province) VALUES ('Alpha', 1, 'North')",
              "INSERT INTO Address (Name, CountryID) VALUES ('1 Main St', 1)",
              "INSERT INTO FirstName (Name, LanguageID, Gender) VALUES ('Adam', 1, 1), ('Clara', 1, 0)",
              "INSERT INTO LastName (Name, LanguageID) VALUES ('Smith', 1)"})
            TestDatabase::exec(QString::fromLatin1(statement));
        word = addRow(QStringLiteral("Word"), {{"Name", "bee"}, {"LanguageID", 1}});
    }
};

// More master accounts than a journal fetches at once.
bool addMasterAccounts(int count)
{
    return TestDatabase::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                             "WHERE i < %1) INSERT INTO MasterAccount (Name, Active) "
                                             "SELECT 'm' || i, 0 FROM n").arg(count));
}

// The texts in order, so that lists compare whatever order they show.
QStringList sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

QStringList column(const QString& statement)
{
    return sorted(columnValues(statement));
}

QString text(const QString& statement)
{
    return TestDatabase::value(statement).toString();
}

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return sorted(texts);
}

// An open list: what it shows, what it should show from what is stored, and
// (for a journal) how to bring its tab before the user's eyes and how many
// statements its model ran.
struct Shown
{
    std::function<QStringList()> rows;
    std::function<QStringList()> stored;
    std::function<void()> look;
    std::function<int()> statements;
};

// A journal of that class: the rows it lists, each as the columns' values
// joined by '|', against a statement giving them so. Its rows are all
// fetched, and when it is shown looked at, a screen after another, as a user
// scrolls through them.
template <class Journal>
Shown journal(Desk& desk, const QStringList& columns, const QString& statement, Init* init = nullptr)
{
    auto* page = openJournal<Journal>(desk.tabs, init);
    BaseTable* table = page->tableWidget();
    auto* model = table->tableModel();
    WidTabManager* tabs = &desk.tabs;
    return Shown{[table, model, columns] {
                     if (!fetchRows(model)) {
                         QTest::qFail("the list does not settle", __FILE__, __LINE__);
                         return QStringList();
                     }
                     if (table->isVisible()) {
                         QScrollBar* bar = table->verticalScrollBar();
                         const int screen = std::max(1, table->rowAt(table->viewport()->height() - 1) - table->rowAt(0));
                         // Only the table's own events: news wait for the
                         // window's next turn.
                         for (int row = 0; row <= bar->maximum(); row += screen) {
                             bar->setValue(row);
                             QCoreApplication::sendPostedEvents(table, QEvent::MetaCall);
                         }
                     }
                     QStringList rows;
                     for (int row = 0; row < model->rowCount(); ++row) {
                         QStringList values;
                         for (const QString& name : columns)
                             values << model->value(row, name).toString();
                         rows << values.join(QLatin1Char('|'));
                     }
                     return sorted(rows);
                 },
                 [statement] { return column(statement); },
                 [tabs, page] {
                     tabs->setCurrentWidget(page);
                     QCoreApplication::processEvents();
                 },
                 [model] { return model->workForTests().statements; }};
}

const QString articleRows = QStringLiteral("SELECT Name || '|' || Spun || '|' || SpunCount FROM ArticleView");

const std::map<QString, std::function<Shown(Desk&)>>& lists()
{
    static const std::map<QString, std::function<Shown(Desk&)>> all = {
        {"master accounts journal",
         [](Desk& desk) { return journal<WidMasterAccountJournal>(desk, {"Name"}, "SELECT Name FROM MasterAccount"); }},
        {"articles journal",
         [](Desk& desk) { return journal<WidArticleJournal>(desk, {"Name", "Spun", "SpunCount"}, articleRows); }},
        {"spun articles journal",
         [](Desk& desk) {
             return journal<WidSpinnedArticleJournal>(desk, {"Name", "ArticleName"},
                                                      "SELECT Name || '|' || ArticleName FROM SpunArticleView",
                                                      new Init(-1, nullptr));
         }},
        // Beside a journal of more rows than one fetch brings, whose reading
        // stays open.
        {"articles journal beside a long journal",
         [](Desk& desk) {
             addMasterAccounts(600);
             openJournal<WidMasterAccountJournal>(desk.tabs);
             return journal<WidArticleJournal>(desk, {"Name", "Spun", "SpunCount"}, articleRows);
         }},
        // More rows than one fetch brings.
        {"long master accounts journal",
         [](Desk& desk) {
             addMasterAccounts(600);
             return journal<WidMasterAccountJournal>(desk, {"Name"}, "SELECT Name FROM MasterAccount");
         }},
        // The words beside the synonyms, by language; a word chosen.
        {"synonyms journal",
         [](Desk& desk) {
             WidWordTree* tree = openJournal<WidSynonymJournal>(desk.tabs)->wordTree();
             tree->setCurrentItem(tree->topLevelItem(0)->child(0));
             const int word = desk.word;
             return Shown{[tree] {
                              QStringList paths;
                              for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                                  const QTreeWidgetItem* up = (*it)->parent();
                                  paths << (up ? QString(up->text(0) + '/' + (*it)->text(0)) : (*it)->text(0));
                              }
                              return sorted(paths) << QString::number(tree->currentWordId());
                          },
                          [word] {
                              return column("SELECT Name FROM Language UNION ALL SELECT l.Name || '/' || w.Name "
                                            "FROM Word w JOIN Language l ON l.ID = w.LanguageID")
                                     << QString::number(word);
                          }};
         }},
        {"master account chooser",
         [](Desk& desk) {
             auto* box = new WidMasterAccountComboBox(&desk.tabs);
             box->reload();
             return Shown{[box] { return items(box); }, [] { return column("SELECT Name FROM MasterAccount"); }};
         }},
        // Any chooser filled from a list follows it.
        {"chooser filled from a list",
         [](Desk& desk) {
             auto* box = new BaseComboBox(&desk.tabs);
             box->fill(std::make_unique<DBMasterAccountList>(false));
             return Shown{[box] { return items(box); }, [] { return column("SELECT Name FROM MasterAccount"); }};
         }},
        // The article submitter of a page: its choosers, and the title and
        // author it offers to drag. The spun article chosen stays; when it
        // is gone, the first by name is chosen.
        {"article submitter",
         [](Desk& desk) {
             desk.webTab.setInit(nullptr);
             QSignalSpy loaded(desk.webTab.webView()->page(), &QWebPage::loadFinished);
             desk.webTab.webView()->setHtml(QStringLiteral("<html></html>"), QUrl(QStringLiteral("http://site.test/")));
             if (loaded.isEmpty())
                 loaded.wait(10000);
             auto* panel = new ExtArticleSubmitter;
             desk.webTab.setExtension(panel);
             const QString spunOnes = QStringLiteral(" FROM SpunArticle WHERE ArticleID = %1").arg(desk.article);
             const QString chosen = QStringLiteral(" ORDER BY ID = %1 DESC, Name LIMIT 1").arg(desk.spun);
             const QString author = QStringLiteral("SELECT Author FROM Article WHERE ID = %1").arg(desk.article);
             return Shown{[panel] {
                              return items(panel->articleBox()) + items(panel->spunArticleBox())
                                     + QStringList{panel->dragValues().value(0), panel->dragValues().value(2)};
                          },
                          [=] {
                              return column("SELECT Name FROM Article") + column("SELECT Name" + spunOnes)
                                     + QStringList{text("SELECT TitleFinal" + spunOnes + chosen), text(author)};
                          }};
         }},
        // An editor tab of the stored article whose name the user is editing:
        // the category chooser lists every category, the user's choice and
        // typing stay, and the page stays modified.
        {"article editor being edited",
         [](Desk& desk) {
             auto* editor = new WidArticleEditor;
             desk.tabs.addUniqueTab(editor, new Init(desk.article, nullptr));
             editor->categoryBox->setCurrentId(desk.category);
             editor->nameEdit->setText(QStringLiteral("typed"));
             return Shown{[editor] {
                              return items(editor->categoryBox)
                                     << editor->categoryBox->currentText() << editor->nameEdit->text()
                                     << QString::number(editor->isModified());
                          },
                          [] { return column("SELECT Name FROM Category") << "News" << "typed" << "1"; }};
         }},
    };
    return all;
}

bool runJob(Thread& job)
{
    job.start();
    return job.wait(60000) && job.isSuccessful();
}

// Records of a table with the IDs from `first` on, imported from a file by
// the import job; its error text when it fails. Their names are "in ID",
// or what `name` gives for the ID.
QString importRows(const QString& table, int first, int count, const std::function<QString(int)>& name = nullptr)
{
    QByteArray items;
    for (int id = first; id < first + count; ++id) {
        items += QStringLiteral("<item><ID>%1</ID><Name>%2</Name></item>")
                     .arg(id)
                     .arg(name ? name(id) : QStringLiteral("in %1").arg(id))
                     .toUtf8();
    }
    QFile file(table + QStringLiteral(".xml"));
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the file");
    file.write("<!DOCTYPE doc>\n<items Table=\"" + table.toUtf8() + "\">" + items + "</items>\n");
    file.close();
    ThreadXmlImport job({file.fileName()});
    return runJob(job) ? QString() : job.errorText() + QStringLiteral(" ");
}

bool importMasterAccounts(int first, int count)
{
    return importRows(QStringLiteral("MasterAccount"), first, count).isEmpty();
}

// More projects than a journal fetches at once.
bool addProjects(int count)
{
    return TestDatabase::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                             "WHERE i < %1) INSERT INTO Project (Name, Active, URL) "
                                             "SELECT 'p' || i, 0, 'u' FROM n").arg(count));
}

// The row of the journal that holds the ID; -1 if none.
int rowOfId(BaseTable* table, qint64 id)
{
    for (int row = 0; row < table->tableModel()->rowCount(); ++row) {
        if (table->tableModel()->value(row, QStringLiteral("ID")).toLongLong() == id)
            return row;
    }
    return -1;
}

// Fetches every row, as a user who scrolls to the end does; false when the
// list does not settle.
bool scrollToEnd(BaseTable* table)
{
    if (!fetchRows(table->tableModel()))
        return false;
    table->scrollToBottom();
    QCoreApplication::processEvents();
    return true;
}

// Whether the journal's last row is on screen.
bool lastRowShown(BaseTable* table)
{
    const int last = table->tableModel()->rowCount() - 1;
    return last < 0 || table->rowAt(table->viewport()->height() - 1) < 0
           || table->rowAt(table->viewport()->height() - 1) == last;
}

// The window runs its events until none is left: a layout that moves rows
// asks for a paint of its own.
void settleWindow()
{
    QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance();
    for (int turn = 0; turn < 100 && (turn == 0 || events->hasPendingEvents()); ++turn)
        QCoreApplication::processEvents();
}

// The IDs a statement gives, in its order.
QList<qint64> ids(const QString& statement)
{
    QList<qint64> found;
    QSqlQuery query(QSqlDatabase::database());
    query.exec(statement);
    while (query.next())
        found << query.value(0).toLongLong();
    return found;
}

// The IDs a journal lists, in its order, once the user has scrolled through
// every row a screen at a time, the window running its events; none when the
// list does not settle.
QList<qint64> listedIds(BaseTable* table)
{
    QScrollBar* bar = table->verticalScrollBar();
    for (int top = 0, turn = 0; top <= bar->maximum() || table->tableModel()->canFetchMore(); ++turn) {
        if (turn == mostFetches) {
            QTest::qFail("the list does not settle", __FILE__, __LINE__);
            return {};
        }
        bar->setValue(top);
        QCoreApplication::processEvents();
        if (top > bar->maximum() && table->tableModel()->canFetchMore())
            table->tableModel()->fetchMore();
        top += std::max(1, table->rowAt(table->viewport()->height() - 1) - table->rowAt(0));
    }
    QList<qint64> listed;
    for (int row = 0; row < table->tableModel()->rowCount(); ++row)
        listed << table->tableModel()->value(row, QStringLiteral("ID")).toLongLong();
    return listed;
}

// Saves a new record (id -1) or a stored one, changed; a null change deletes.
template <class Record>
bool store(qint64 id, const std::function<void(Record&)>& change)
{
    Record record;
    if (id >= 0 && !record.load(id))
        return false;
    if (!change)
        return record.remove();
    change(record);
    return record.save();
}

// What is left of `texts` once each of `taken` is taken out of it once.
QStringList without(QStringList texts, const QStringList& taken)
{
    for (const QString& text : taken)
        texts.removeOne(text);
    return sorted(texts);
}

// A journal to run a row command in, over `count` rows its filter keeps and
// one it leaves out: bookmarks of the title "t" (for Hidden all shown, for
// Visible all hidden) and one of another title for Hidden, Visible and
// Delete; for Copy the articles of the desk's project (its own article
// among them) and one of no project, spun but the desk's own. Every question
// is answered Yes.
struct CommandDesk
{
    Desk desk;
    ScriptedPrompt prompt;
    const QString command;
    const QString table;
    BaseJournal* journal = nullptr;

    CommandDesk(const QString& name, int count)
        : command(name)
        , table(name == "copy" ? QStringLiteral("Article") : QStringLiteral("Bookmark"))
    {
        prompt.defaultAnswer = QMessageBox::Yes;
        QVERIFY(addRows(QStringLiteral("r"), table == "Article" ? count - 1 : count, true));
        QVERIFY(addRows(QStringLiteral("other"), 1, false));
        if (table == "Article")
            journal = openJournal<WidArticleJournal>(desk.tabs);
        else
            journal = openJournal<WidBookmarkJournal>(desk.tabs);
        QCoreApplication::processEvents();
    }

    // Rows named prefix || 1, 2, ..., kept by the filter or left out.
    bool addRows(const QString& prefix, int count, bool kept)
    {
        const QString numbers = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                               "WHERE i < %1) ").arg(count);
        if (table == "Article")
            return TestDatabase::exec(numbers + QStringLiteral("INSERT INTO Article (Name, ProjectID, Spun) "
                                                               "SELECT '%1' || i, %2, 1 FROM n")
                                                    .arg(prefix)
                                                    .arg(kept ? desk.project : 0));
        return TestDatabase::exec(numbers + QStringLiteral("INSERT INTO Bookmark (Name, Title, URL, Visible) "
                                                           "SELECT '%1' || i, '%2', 'u', %3 FROM n")
                                                .arg(prefix, kept ? "t" : "x")
                                                .arg(command == "visible" ? 0 : 1));
    }

    // The filter's condition on the table.
    QString kept() const
    {
        return table == "Article" ? QStringLiteral("ProjectID = %1").arg(desk.project) : QStringLiteral("Title = 't'");
    }

    void filter()
    {
        if (table == "Article")
            filterBy(journal, QStringLiteral("ProjectID"), SqlFilter::Equal, desk.project);
        else
            filterBy(journal, QStringLiteral("Title"), SqlFilter::Equal, QStringLiteral("t"));
        QCoreApplication::processEvents();
    }

    void run()
    {
        if (command == "hidden")
            static_cast<WidBookmarkJournal*>(journal)->slotHidden();
        else if (command == "visible")
            static_cast<WidBookmarkJournal*>(journal)->slotVisible();
        else if (command == "delete")
            journal->slotDelete();
        else
            static_cast<WidArticleJournal*>(journal)->slotCopy();
        QCoreApplication::processEvents();
    }

    QStringList names(const QString& where) const
    {
        return column(QStringLiteral("SELECT Name FROM %1 WHERE %2").arg(table, where));
    }

    // The rows the command acted on, by name: those it hid or showed, those
    // it deleted (of the rows `before` it), those it copied.
    QStringList actedOn(const QStringList& before) const
    {
        const QStringList now = names(QStringLiteral("1 = 1"));
        if (command == "hidden")
            return names(QStringLiteral("Visible = 0"));
        if (command == "visible")
            return names(QStringLiteral("Visible = 1"));
        if (command == "delete")
            return without(before, now);
        return without(now, before);
    }
};

const std::map<QString, std::function<void(Desk&)>>& changes()
{
    static const std::map<QString, std::function<void(Desk&)>> all = {
        // The master-account editor's Create Account: the generator fills a
        // new account and the dialog saves it.
        {"master account generated",
         [](Desk& desk) {
             auto* editor = new WidMasterAccountEditor;
             desk.tabs.addFocusedTab(editor, new Init(-1, nullptr));
             answerDialogs<DlgCreateMasterAccount>([](DlgCreateMasterAccount* dialog) {
                 dialog->findChild<QCheckBox*>()->setChecked(true);
                 dialog->slotAccept();
             });
             editor->slotCreateAccount();
             UtilDialog::setRunner({});
             QVERIFY(editor->init()->id() > desk.master);
         }},
        {"1000 master accounts saved one by one",
         [](Desk&) {
             for (int i = 0; i < 1000; ++i)
                 QVERIFY(store<DBMasterAccount>(-1, [i](DBMasterAccount& a) { a.setName(QString::number(i)); }));
         }},
        {"master account deleted",
         [](Desk& desk) { QVERIFY(store<DBMasterAccount>(desk.master, nullptr)); }},
        {"master accounts imported", [](Desk&) { QVERIFY(importMasterAccounts(7000, 2)); }},
        {"1000 master accounts imported", [](Desk&) { QVERIFY(importMasterAccounts(7000, 1000)); }},
        {"article saved",
         [](Desk& desk) {
             QVERIFY(store<DBArticle>(-1, [&](DBArticle& a) {
                 a.setName(QStringLiteral("A2"));
                 a.setProjectId(desk.project);
             }));
         }},
        // The spin job of the article, on its own thread.
        {"article spun",
         [](Desk& desk) {
             ThreadSpinner job(desk.article, 3, false);
             QVERIFY2(runJob(job), qPrintable(job.errorText()));
         }},
        // The chosen spun article's final title and the chosen article's
        // author, edited and saved in their editors.
        {"chosen records edited",
         [](Desk& desk) {
             QVERIFY(store<DBSpinnedArticle>(desk.spun, [](DBSpinnedArticle& s) { s.setTitleFinal(QStringLiteral("T2")); }));
             QVERIFY(store<DBArticle>(desk.article, [](DBArticle& a) { a.setAuthor(QStringLiteral("Me")); }));
         }},
        {"spun article deleted",
         [](Desk& desk) { QVERIFY(store<DBSpinnedArticle>(desk.spun, nullptr)); }},
        {"word saved",
         [](Desk&) {
             QVERIFY(store<DBWord>(-1, [](DBWord& w) {
                 w.setName(QStringLiteral("aardvark"));
                 w.setLanguageId(1);
             }));
         }},
        // The word chosen in the synonyms journal, renamed in its editor.
        {"word renamed",
         [](Desk& desk) { QVERIFY(store<DBWord>(desk.word, [](DBWord& w) { w.setName(QStringLiteral("bees")); })); }},
        {"category saved",
         [](Desk&) { QVERIFY(store<DBCategory>(-1, [](DBCategory& c) { c.setName(QStringLiteral("Arts")); })); }},
    };
    return all;
}

} // namespace

class OpenListsTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    // A record stored elsewhere in the program (an editor, a generator, a job
    // on its own thread, an import) appears in, or leaves, every open list
    // that shows its kind once the window runs its events (a journal in a
    // tab behind another once it is shown), and not before. A journal runs
    // at most two statements for what a loop or a job stored.
    void listsShowWhatWasStored_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("change");
        const char* const rows[][2] = {
            {"master accounts journal", "master account generated"},
            {"master accounts journal", "1000 master accounts saved one by one"},
            {"master accounts journal", "master account deleted"},
            {"master accounts journal", "1000 master accounts imported"},
            {"long master accounts journal", "master accounts imported"},
            {"master account chooser", "master account generated"},
            {"chooser filled from a list", "master account generated"},
            {"chooser filled from a list", "master account deleted"},
            {"articles journal", "article spun"},
            {"articles journal", "spun article deleted"},
            {"articles journal beside a long journal", "article spun"},
            {"spun articles journal", "article spun"},
            {"article submitter", "article spun"},
            {"article submitter", "spun article deleted"},
            {"article submitter", "article saved"},
            {"article submitter", "chosen records edited"},
            {"article editor being edited", "category saved"},
            {"synonyms journal", "word saved"},
            {"synonyms journal", "word renamed"},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(row[0], row[1]))) << row[0] << row[1];
    }

    void listsShowWhatWasStored()
    {
        QFETCH(QString, list);
        QFETCH(QString, change);
        Desk desk;
        const Shown shown = lists().at(list)(desk);
        QCoreApplication::processEvents();
        const QStringList before = shown.rows();
        QCOMPARE(before, shown.stored());

        changes().at(change)(desk);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(shown.stored() != before, "the change stores nothing the list shows");
        QCOMPARE(shown.rows(), before);
        const int statements = shown.statements ? shown.statements() : 0;
        QCoreApplication::processEvents();
        if (shown.look)
            shown.look();
        if (shown.statements)
            QVERIFY2(shown.statements() - statements <= 2, qPrintable(QString::number(shown.statements() - statements)));
        QCOMPARE(shown.rows(), shown.stored());
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // A journal keeps the user's rows and place whatever is stored beside
    // them, also far down the list, beyond the second fetch; after Select
    // All the new rows are selected with the rest.
    void journalKeepsTheSelectionAndThePlace()
    {
        Desk desk;
        QVERIFY(addMasterAccounts(900));
        auto* journal = openJournal<WidMasterAccountJournal>(desk.tabs);
        BaseTable* table = journal->tableWidget();
        QCoreApplication::processEvents();
        auto store = [](qint64 id, const std::function<void(DBMasterAccount&)>& change) {
            QVERIFY(::store<DBMasterAccount>(id, change));
            QCoreApplication::processEvents();
        };

        QVERIFY2(fetchRows(table->tableModel(), 800), "the list does not settle");
        const int chosen = table->tableModel()->value(700, "ID").toInt();
        QVERIFY(selectId(journal, chosen));
        table->scrollTo(table->currentIndex());
        const int place = table->verticalScrollBar()->value();
        QVERIFY(place > 512);
        Logger::setContext(QStringLiteral("Elsewhere"), QStringLiteral("Save"));

        // A new row, the chosen row renamed, a row above it deleted.
        store(-1, [](DBMasterAccount& a) { a.setName(QStringLiteral("new")); });
        QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
        QCOMPARE(table->currentIndex().row(), 700);
        QCOMPARE(table->verticalScrollBar()->value(), place);
        store(chosen, [](DBMasterAccount& a) { a.setName(QStringLiteral("renamed")); });
        QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
        QCOMPARE(table->tableModel()->value(700, "Name").toString(), QStringLiteral("renamed"));
        store(table->tableModel()->value(10, "ID").toInt(), nullptr);
        QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
        QCOMPARE(table->currentIndex().row(), 699);
        QVERIFY(journal->syncManagerObject()->isEnabled(BaseTable::CommandEdit));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Save"));

        journal->selectAll();
        store(-1, [](DBMasterAccount& a) { a.setName(QStringLiteral("newer")); });
        QVERIFY2(scrollToEnd(table), "the list does not settle");
        QVERIFY(table->allRowsSelected());
        QCOMPARE(table->selectionModel()->selectedRows().size(), table->tableModel()->rowCount());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM MasterAccount WHERE ")
                                     + table->selectedRowsCondition()).toInt(), 902);
    }

    // A journal's own command that stores rows (Select in the projects and
    // the master accounts journals, Spin in the articles journal) keeps the
    // selection, as news from elsewhere do: its row commands stay on. It
    // shows its rows once, by the news of its commit.
    void ownCommandsKeepTheSelection_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("project activated") << "project activated";
        QTest::newRow("master account activated") << "master account activated";
        QTest::newRow("article spun") << "article spun";
    }

    void ownCommandsKeepTheSelection()
    {
        QFETCH(QString, command);
        Desk desk;
        QVERIFY(addProjects(300));
        QVERIFY(addMasterAccounts(300));
        BaseJournal* journal = nullptr;
        int chosen = -1;
        std::function<void()> run;
        if (command == "project activated") {
            auto* projects = openJournal<WidProjectJournal>(desk.tabs);
            journal = projects;
            chosen = TestDatabase::value(QStringLiteral("SELECT ID FROM Project WHERE Name = 'p200'")).toInt();
            run = [projects] { projects->slotSelect(); };
        } else if (command == "master account activated") {
            auto* masters = openJournal<WidMasterAccountJournal>(desk.tabs);
            journal = masters;
            chosen = TestDatabase::value(QStringLiteral("SELECT ID FROM MasterAccount WHERE Name = 'm200'")).toInt();
            run = [masters] { masters->slotSelect(); };
        } else {
            auto* articles = openJournal<WidArticleJournal>(desk.tabs);
            journal = articles;
            chosen = desk.article;
            run = [articles] {
                SpinnerDriver::answerSpinner(3);
                articles->slotSpin();
                UtilDialog::setRunner({});
            };
        }
        QCoreApplication::processEvents();
        BaseTable* table = journal->tableWidget();
        QVERIFY2(fetchRows(table->tableModel(), 300), "the list does not settle");
        QVERIFY(selectId(journal, chosen));
        const int total = totalChanges();

        run();
        QVERIFY2(totalChanges() > total || command == "article spun", "the command stored nothing");
        const int statements = table->tableModel()->workForTests().statements;
        for (int turn = 0; turn < 2; ++turn) {
            QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
            QVERIFY(journal->syncManagerObject()->isEnabled(BaseTable::CommandEdit));
            QVERIFY(journal->syncManagerObject()->isEnabled(BaseTable::CommandDelete));
            // ... and at the window's next turn, which has nothing more to
            // read: the command showed what it stored by its news.
            QCoreApplication::processEvents();
        }
        QCOMPARE(table->tableModel()->workForTests().statements, statements);
        if (command == "article spun")
            QCOMPARE(table->tableModel()->value(table->currentIndex().row(), "SpunCount").toInt(), 4);
        else
            QCOMPARE(table->tableModel()->value(table->currentIndex().row(), "Active").toInt(), 1);
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // A journal sorted by a column shows, after what is stored beside it,
    // the rows a fresh SELECT gives in that order (scrolled through as a user
    // does), and keeps the selected project selected wherever it now stands
    // among the rows read, also when it moves past them by a few rows. Names
    // tie, are NULL, of mixed case, not ASCII or long; the journal is at its
    // first page, scrolled to its end or behind another tab.
    void journalKeepsTheStoredOrder_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("change");
        const struct
        {
            const char* column;
            bool descending;
            const char* change;
        } rows[] = {
            {"Active", false, "selected project activated"},
            {"Active", true, "selected project activated"},
            {"Name", false, "selected project activated"},
            {"Name", false, "selected project renamed to come last"},
            {"Name", false, "selected project renamed to come last beside every project touched"},
            {"Name", true, "selected project renamed to come last"},
            {"Name", false, "selected project renamed to come first"},
            {"URL", false, "selected project renamed to come last"},
            {"Name", false, "projects renamed elsewhere"},
            {"Name", true, "projects renamed elsewhere"},
            {"Active", false, "projects renamed elsewhere"},
            {"Name", false, "1000 projects imported"},
            {"Name", false, "1000 projects imported among them"},
            {"Name", true, "1000 projects imported among them"},
            {"ID", true, "1000 projects imported"},
            {"Name", true, "projects deleted"},
            {"URL", false, "every project renamed"},
            {"URL", true, "every project renamed"},
        };
        for (const auto& row : rows) {
            for (const char* place : {"first page", "at the end", "hidden", "far down 3000"}) {
                if (QLatin1String(place) == QLatin1String("far down 3000")
                    && QLatin1String(row.change) != QLatin1String("every project renamed")
                    && !QLatin1String(row.change).startsWith(QLatin1String("selected project renamed")))
                    continue;
                QTest::newRow(qPrintable(QStringLiteral("%1 %2, %3, %4")
                                             .arg(QLatin1String(row.column),
                                                  row.descending ? QStringLiteral("down") : QStringLiteral("up"),
                                                  QLatin1String(place), QLatin1String(row.change))))
                    << row.column << row.descending << place << row.change;
            }
        }
    }

    void journalKeepsTheStoredOrder()
    {
        QFETCH(QString, column);
        QFETCH(bool, descending);
        QFETCH(QString, place);
        QFETCH(QString, change);
        Desk desk;
        // 400 projects: a first page and fewer than a fetch's worth after it.
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 399) "
            "INSERT INTO Project (Name, Active, URL) SELECT CASE i % 6 WHEN 0 THEN NULL WHEN 1 THEN 'same' "
            "WHEN 2 THEN 'Äpfel ' || i WHEN 3 THEN 'b' || (i % 40) WHEN 4 THEN 'B' || (i % 40) "
            "ELSE 'ж' || printf('%.*c', 300, 'x') || i END, 0, 'u' || (i % 3) FROM n")));
        auto* journal = openJournal<WidProjectJournal>(desk.tabs);
        BaseTable* table = journal->tableWidget();
        QCoreApplication::processEvents();
        const Qt::SortOrder order = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
        table->sortByColumn(table->tableModel()->fieldIndex(column), order);
        const QString direction = descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC");
        const QString stored = QStringLiteral("SELECT ID FROM Project ORDER BY %1%2, ID%2").arg(column, direction);
        if (place == "far down 3000") {
            // 2,048 of 3,000 rows fetched, the view at the 1,500th.
            QVERIFY(addProjects(2600));
            QCoreApplication::processEvents();
            table->reload();
            QVERIFY2(fetchRows(table->tableModel(), 2000), "the list does not settle");
            // Laid out, so that going down to the row is no scroll to the
            // end (which fetches on).
            QCoreApplication::processEvents();
            table->selectRow(1500);
        } else {
            if (place != "first page")
                QVERIFY2(scrollToEnd(table), "the list does not settle");
            // A row of the first page, away from its ends, among the names "Bn".
            table->selectRow(100);
        }
        table->scrollTo(table->currentIndex());
        QVERIFY(place != "far down 3000" || table->tableModel()->canFetchMore());
        const qint64 chosen = table->selectedId();
        const qint64 top = table->tableModel()->value(table->rowAt(0), QStringLiteral("ID")).toLongLong();
        if (place == "hidden")
            openJournal<WidMasterAccountJournal>(desk.tabs);

        if (change == "selected project activated") {
            desk.tabs.setCurrentWidget(journal);
            journal->slotSelect();
        } else if (change.startsWith("selected project renamed")) {
            const QString text = change.contains("last") ? QString(100, QChar(0x044F)) : QStringLiteral("  ");
            // Beside news of more rows than are read by ID: the rows on
            // screen are read again.
            if (change.endsWith("touched"))
                QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Comments = 'c'")));
            QVERIFY(store<DBProject>(chosen, [&](DBProject& p) {
                p.setName(text);
                p.setUrl(text);
            }));
        } else if (change == "projects renamed elsewhere") {
            QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'c' || ID, Active = 1 - Active "
                                                      "WHERE ID % 37 = 3")));
        } else if (change == "every project renamed") {
            QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'k', URL = 'v' || ID")));
        } else if (change.startsWith("1000 projects imported")) {
            // Among them: a name after each of those around the selected
            // row and of the names "Äpfel n": more places than are filled
            // one by one.
            std::function<QString(int)> among;
            if (change.endsWith("them")) {
                among = [](int id) {
                    return id % 2 ? QStringLiteral("B%1 %2").arg(id % 40).arg(id)
                                  : QStringLiteral("Äpfel %1 %2").arg(id % 400).arg(id);
                };
            }
            const QString failure = importRows(QStringLiteral("Project"), 5000, 1000, among);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        } else {
            QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Project WHERE ID % 41 = 7")));
        }
        QCoreApplication::processEvents();
        desk.tabs.setCurrentWidget(journal);
        QCoreApplication::processEvents();
        // Every row moves, or the selected one may go more than a fetch past
        // the rows read (it leaves them, and its selection with it).
        const bool everyRow = change == "every project renamed";
        const bool kept = !everyRow && place != "far down 3000";
        // Far down, the first row shown stays first, also when the selected
        // row leaves the rows read (its neighbour becomes current).
        if (place == "far down 3000" && !everyRow)
            QCOMPARE(table->tableModel()->value(table->rowAt(0), QStringLiteral("ID")).toLongLong(), top);
        // Before the user scrolls on, the chosen project shows what is
        // stored where the journal holds it.
        const int at = rowOfId(table, chosen);
        if (!everyRow && at >= 0) {
            QCOMPARE(table->tableModel()->value(at, QStringLiteral("Name")),
                     TestDatabase::value(QStringLiteral("SELECT Name FROM Project WHERE ID = %1").arg(chosen)));
        }
        if (kept) {
            QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
            QVERIFY(journal->syncManagerObject()->isEnabled(BaseTable::CommandEdit));
        }
        QCOMPARE(listedIds(table), ids(stored));
        if (kept)
            QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // A journal scrolled down keeps the rows the user sees where they are
    // when rows are stored, deleted or moved above them; at the very top the
    // rows stored before the first show there.
    void journalKeepsTheRowsShown_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("atTop");
        for (bool atTop : {false, true}) {
            for (const char* change : {"1000 projects imported above", "projects deleted above", "project moved from above",
                                       "project moved to above", "project saved above"}) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(change),
                                                                      atTop ? QStringLiteral("at the top")
                                                                            : QStringLiteral("scrolled down"))))
                    << change << atTop;
            }
        }
    }

    void journalKeepsTheRowsShown()
    {
        QFETCH(QString, change);
        QFETCH(bool, atTop);
        Desk desk;
        QVERIFY(addProjects(800));
        auto* journal = openJournal<WidProjectJournal>(desk.tabs);
        BaseTable* table = journal->tableWidget();
        QCoreApplication::processEvents();
        // The newest first, or by name.
        const bool byName = change.contains("moved");
        table->sortByColumn(byName ? 1 : 0, Qt::DescendingOrder);
        QVERIFY2(scrollToEnd(table), "the list does not settle");
        table->verticalScrollBar()->setValue(atTop ? 0 : 300);
        QCoreApplication::processEvents();
        const auto idAt = [table](int row) { return table->tableModel()->value(row, "ID").toLongLong(); };
        const qint64 top = idAt(table->rowAt(0));
        table->selectRow(table->rowAt(0) + 3);
        const qint64 chosen = table->selectedId();

        if (change == "1000 projects imported above") {
            const QString failure = importRows(QStringLiteral("Project"), 5000, 1000);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        } else if (change == "projects deleted above") {
            QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Project WHERE ID > %1 AND ID % 2 = 0").arg(top)));
        } else if (change == "project moved from above") {
            // The first by name renamed to come last.
            QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = '' WHERE ID = %1").arg(idAt(0))));
        } else if (change == "project moved to above") {
            QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'zz' WHERE ID = %1").arg(idAt(700))));
        } else {
            QVERIFY(store<DBProject>(-1, [](DBProject& p) { p.setName(QStringLiteral("zz")); }));
        }
        QCoreApplication::processEvents();
        QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
        if (atTop)
            QCOMPARE(table->verticalScrollBar()->value(), 0);
        else
            QCOMPARE(idAt(table->rowAt(0)), top);
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // Visits that arrive below the last row of a history journal scrolled to
    // its end, whose first row shows in part, move the rows and their
    // numbers by part of a row: the window then shows the journal as it
    // draws itself afresh, the numbers beside their rows, shown or behind
    // another tab while pages load.
    void rowNumbersStayBesideTheirRows_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("arriving");
        QTest::newRow("shown, one visit") << true << 1;
        QTest::newRow("shown, visits") << true << 3;
        QTest::newRow("behind another tab, visits one by one") << false << 3;
    }

    void rowNumbersStayBesideTheirRows()
    {
        QFETCH(bool, shown);
        QFETCH(int, arriving);
        Desk desk;
        const auto visit = [](int number) {
            return TestDatabase::exec(QStringLiteral("INSERT INTO History (Name, Comments, Title, URL, CreateDate) "
                                                     "VALUES ('v%1', '', 't', 'http://site.test/%1', '%2')")
                                          .arg(number)
                                          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss"))));
        };
        for (int number = 0; number < 30; ++number)
            QVERIFY(visit(number));
        auto* history = openJournal<WidHistoryJournal>(desk.tabs);
        BaseTable* table = history->tableWidget();
        settleWindow();
        // Half of the first row shown is hidden at the end.
        const int rowHeight = table->rowHeight(0);
        const int spare = table->viewport()->height() % rowHeight;
        desk.tabs.resize(desk.tabs.width(), desk.tabs.height() + (rowHeight / 2 - spare + rowHeight) % rowHeight);
        settleWindow();
        table->scrollToBottom();
        settleWindow();
        QVERIFY(table->rowViewportPosition(table->rowAt(0)) < 0);
        if (!shown)
            openJournal<WidMasterAccountJournal>(desk.tabs);
        for (int number = 30; number < 30 + arriving; ++number) {
            QVERIFY(visit(number));
            if (!shown)
                QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        desk.tabs.setCurrentWidget(history);
        settleWindow();
        QCOMPARE(table->model()->rowCount(), 30 + arriving);

        const QImage window = QGuiApplication::primaryScreen()->grabWindow(desk.tabs.winId()).toImage();
        const QImage painted = window.copy(QRect(table->mapTo(&desk.tabs, QPoint(0, 0)), table->size()));
        QCOMPARE(painted.convertToFormat(QImage::Format_RGB32), table->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    // The window system copies what a widget drew when it scrolls: the row
    // numbers are looked at again on a virtual X server, as a user's
    // desktop shows them.
    void rowNumbersUnderX11()
    {
        const QString unavailable = UnderX11::unavailable();
        if (!unavailable.isEmpty())
            QSKIP(qPrintable(unavailable));
        QByteArray output;
        QVERIFY2(UnderX11::run(QStringLiteral("OpenListsTest"), {QStringLiteral("rowNumbersStayBesideTheirRows")}, &output), output.constData());
        QVERIFY2(output.contains("Totals: 5 passed, 0 failed"), output.constData());
    }

    // Select All stays in force while the user scrolls on after news that
    // named no rows (a project renamed beside accounts sorted by project):
    // rows read again as they are fetched are selected with the rest.
    void selectAllStaysAsRowsAreReadAgain()
    {
        Desk desk;
        QVERIFY(addProjects(40));
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
            "INSERT INTO Account (Name, ProjectID) SELECT 'a' || i, %1 + 1 + i % 40 FROM n").arg(desk.project)));
        auto* journal = openJournal<WidAccountJournal>(desk.tabs);
        BaseTable* table = journal->tableWidget();
        QCoreApplication::processEvents();
        table->sortByColumn(table->tableModel()->fieldIndex(QStringLiteral("ProjectName")), Qt::AscendingOrder);
        table->tableModel()->fetchMore();
        journal->selectAll();
        // The accounts of the first projects by name move to the end.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Name = 'z' || Name WHERE Name IN ('p1', 'p10')")));
        QCoreApplication::processEvents();
        for (int turn = 0; table->tableModel()->canFetchMore() || !lastRowShown(table); ++turn) {
            QVERIFY2(turn < mostFetches, "the list does not settle");
            table->scrollToBottom();
            QCoreApplication::processEvents();
        }
        QVERIFY(table->allRowsSelected());
        QCOMPARE(table->selectionModel()->selectedRows().size(), table->tableModel()->rowCount());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Account WHERE ")
                                     + table->selectedRowsCondition()).toInt(), 2000);
    }

    // A journal's row commands (Hidden, Visible, Delete, Copy) act on the
    // rows chosen: after Select All on every row the journal lists, also the
    // rows not fetched yet and those stored after Select All, and on no row
    // its filter leaves out; else on the selected rows. Each command is the
    // same whatever the rows' number (rowCommandsHoldNoRowsNorGrowingText).
    // One that fails (a full disk, a file-size limit) changes nothing and
    // names its cause on the bar, in the same words for every command.
    void rowCommandsActOnTheChosenRows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("fault");
        for (const char* command : {"hidden", "visible", "delete", "copy"}) {
            for (const char* chosen :
                 {"every row", "every row of a filter", "every row of a filter, some stored after", "three rows"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(command, chosen))) << command << chosen
                                                                                         << QString();
            QTest::newRow(qPrintable(QStringLiteral("%1, every row, full disk").arg(command)))
                << command << "every row" << "full disk";
            QTest::newRow(qPrintable(QStringLiteral("%1, three rows, file-size limit").arg(command)))
                << command << "three rows" << "file-size limit";
        }
    }

    void rowCommandsActOnTheChosenRows()
    {
        QFETCH(QString, command);
        QFETCH(QString, chosen);
        QFETCH(QString, fault);
        CommandDesk desk(command, 600);
        if (chosen != "every row")
            desk.filter();
        BaseTable* table = desk.journal->tableWidget();
        QVERIFY(table->tableModel()->canFetchMore());
        QStringList expected;
        if (chosen == "three rows") {
            selectRows(table, {0, 2, 5});
            QCOMPARE(table->selectedIds().size(), 3);
            QStringList ids;
            for (qint64 id : table->selectedIds())
                ids << QString::number(id);
            expected = desk.names(QStringLiteral("ID IN (%1)").arg(ids.join(',')));
        } else {
            desk.journal->selectAll();
            if (chosen.endsWith("stored after")) {
                QVERIFY(desk.addRows(QStringLiteral("n"), 5, true));
                QVERIFY(desk.addRows(QStringLiteral("m"), 1, false));
                QCoreApplication::processEvents();
                QVERIFY(table->allRowsSelected());
            }
            expected = desk.names(chosen == "every row" ? QStringLiteral("1 = 1") : desk.kept());
        }
        QVERIFY(expected.size() >= 3);
        const QStringList before = desk.names(QStringLiteral("1 = 1"));
        const int last = TestDatabase::value(QStringLiteral("SELECT MAX(ID) FROM %1").arg(desk.table)).toInt();
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        if (!fault.isEmpty()) {
            const bool full = fault == "full disk";
            {
                JobFault met(full ? JobFault::FullDisk : JobFault::FileTooLarge, QByteArray(), QString());
                met.putInPlace();
                QVERIFY(met.isArmed());
                desk.run();
            }
            QCOMPARE(desk.actedOn(before), QStringList());
            QCOMPARE(spyTexts(errors), QStringList{LocaleMessage::operationFailedBecause(
                                           QString::fromLocal8Bit(std::strerror(full ? ENOSPC : EFBIG)))});
            QVERIFY(!Logger::errors().isEmpty());
            return;
        }
        desk.run();
        QCOMPARE(desk.actedOn(before), expected);
        // A copy has no spun articles yet.
        if (command == "copy")
            QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM Article WHERE ID > %1 AND Spun <> 0")
                                             .arg(last)).toInt(), 0);
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // A list opened on a disk without a free byte names the cause the user
    // can act on, as a job or a save does, also where the connection was
    // opened anew on it and not even the list's columns can be read (its
    // table is there all the same).
    void listOnAFullDiskNamesTheCause()
    {
        TestFolder folder;
        const QString place = folder.file(QStringLiteral("disk"));
        QVERIFY(QDir().mkdir(place));
        SmallDisk disk(place, "2m");
        if (!disk.isMounted())
            QSKIP("no small memory file system could be mounted (that takes root)");
        const QString home = QDir::currentPath();
        QDir::setCurrent(place);
        const auto back = qScopeGuard([&home] {
            QSqlDatabase::database().close();
            QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
            DBConnection::defaultConnectionChanged();
            QDir::setCurrent(home);
        });
        {
            DBManager manager;
            QVERIFY(manager.setupConnection());
        }
        QSqlDatabase::database().close();
        QVERIFY(disk.fill());
        QVERIFY(QSqlDatabase::database().open());
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        WidTabManager tabs;
        tabs.addUniqueTab(new WidBookmarkJournal, nullptr);
        QCoreApplication::processEvents();
        const QString named = LocaleMessage::operationFailedBecause(QString::fromLocal8Bit(std::strerror(ENOSPC)));
        const QStringList told = spyTexts(errors);
        QVERIFY(!told.isEmpty());
        for (const QString& notice : told)
            QCOMPARE(notice, named);
    }

    // A row command after Select All acts through the list's condition: at
    // four times the rows it runs no more statements than chunks of rows
    // would, no statement of it hands out more rows than a chunk and none of
    // its texts is longer. Holding every row it acts on, or writing their
    // IDs into its text, fails here.
    void rowCommandsHoldNoRowsNorGrowingText_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* command : {"hidden", "visible", "delete", "copy"})
            QTest::newRow(command) << command;
    }

    void rowCommandsHoldNoRowsNorGrowingText()
    {
        QFETCH(QString, command);
        const int counts[2] = {300, 1200};
        StatementTrace::Counts costs[2];
        for (int i = 0; i < 2; ++i) {
            CommandDesk desk(command, counts[i]);
            desk.filter();
            desk.journal->selectAll();
            const QStringList before = desk.names(QStringLiteral("1 = 1"));
            {
                StatementTrace trace;
                QVERIFY(trace.isOn());
                desk.run();
                costs[i] = trace.counts();
            }
            QCOMPARE(desk.actedOn(before).size(), counts[i]);
            QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
        }
        const QString seen = QStringLiteral("statements %1 -> %2, longest text %3 -> %4, most rows %5 -> %6")
                                 .arg(costs[0].statements)
                                 .arg(costs[1].statements)
                                 .arg(costs[0].longestText)
                                 .arg(costs[1].longestText)
                                 .arg(costs[0].mostRows)
                                 .arg(costs[1].mostRows);
        QVERIFY2(costs[1].statements - costs[0].statements <= (counts[1] - counts[0]) / BaseTableModel::chunkRows + 1,
                 qPrintable(seen));
        QVERIFY2(costs[1].longestText == costs[0].longestText, qPrintable(seen));
        QVERIFY2(costs[1].mostRows <= BaseTableModel::chunkRows, qPrintable(seen));
    }

    // An import beside an open journal whose first page is shown (more rows
    // wait to be fetched) stores every record, in a file with a write-ahead
    // log and in one with a rollback journal (as a backup is): the journal
    // holds no read open between turns of the event loop.
    void importBesideAnOpenJournal_data()
    {
        QTest::addColumn<bool>("writeAheadLog");
        QTest::newRow("write-ahead log") << true;
        QTest::newRow("rollback journal") << false;
    }

    void importBesideAnOpenJournal()
    {
        QFETCH(bool, writeAheadLog);
        Desk desk(writeAheadLog);
        QCOMPARE(TestDatabase::value(QStringLiteral("PRAGMA journal_mode")).toString(),
                 writeAheadLog ? QStringLiteral("wal") : QStringLiteral("delete"));
        QVERIFY(addProjects(600));
        const Shown projects = journal<WidProjectJournal>(desk, {"Name"}, "SELECT Name FROM Project");
        projects.look();
        const int before = TestDatabase::rowCount(QStringLiteral("Project"));

        const QString failure = importRows(QStringLiteral("Project"), 5000, 1000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("Project")), before + 1000);
        QCoreApplication::processEvents();
        QCOMPARE(projects.rows(), projects.stored());
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // What a journal reads for news is what changed and what is on screen,
    // not what the user scrolled through: counted in statements and rows,
    // at the first page and at the end of 3,000 rows, shown and behind
    // another tab (which reads when it is shown).
    void refreshReadsWhatChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("atEnd");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("mostRows");
        // One project saved: its row, when the journal holds it.
        // A job's 1,000 new projects: at most the chunk the view shows.
        // A project renamed beside accounts: the rows on screen.
        const struct
        {
            const char* change;
            int mostRows;
        } changes[] = {{"project saved", 1}, {"1000 projects imported", 256}, {"project renamed", 160}};
        for (const auto& change : changes) {
            for (bool atEnd : {false, true}) {
                for (bool shown : {true, false}) {
                    QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3")
                                                 .arg(QLatin1String(change.change),
                                                      atEnd ? QStringLiteral("at the end")
                                                            : QStringLiteral("first page"),
                                                      shown ? QStringLiteral("shown") : QStringLiteral("hidden"))))
                        << change.change << atEnd << shown << change.mostRows;
                }
            }
        }
    }

    void refreshReadsWhatChanged()
    {
        QFETCH(QString, change);
        QFETCH(bool, atEnd);
        QFETCH(bool, shown);
        QFETCH(int, mostRows);
        Desk desk;
        QVERIFY(addProjects(3000));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Account (Name, ProjectID) SELECT 'a' || ID, %1 FROM "
                                                  "Project WHERE ID > %1").arg(desk.project)));
        const bool accounts = change == "project renamed";
        const Shown list = accounts ? journal<WidAccountJournal>(desk, {"Name", "ProjectName"},
                                                                 "SELECT Name || '|' || ProjectName FROM AccountView")
                                    : journal<WidProjectJournal>(desk, {"Name"}, "SELECT Name FROM Project");
        list.look();
        auto* page = qobject_cast<BaseJournal*>(desk.tabs.currentWidget());
        QVERIFY(page);
        BaseTable* table = page->tableWidget();
        if (atEnd)
            QVERIFY2(scrollToEnd(table), "the list does not settle");
        QVERIFY(table->tableModel()->rowCount() >= (atEnd ? 3000 : 256));
        if (!shown)
            openJournal<WidMasterAccountJournal>(desk.tabs);
        QCOMPARE(table->isVisible(), shown);
        const ListWork before = table->tableModel()->workForTests();

        if (change == "project saved") {
            QVERIFY(store<DBProject>(1500, [](DBProject& p) { p.setName(QStringLiteral("saved")); }));
        } else if (change == "1000 projects imported") {
            const QString failure = importRows(QStringLiteral("Project"), 10000, 1000);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        } else {
            QVERIFY(store<DBProject>(desk.project, [](DBProject& p) { p.setName(QStringLiteral("renamed")); }));
        }
        QCoreApplication::processEvents();
        if (!shown) {
            QCOMPARE(table->tableModel()->workForTests().statements, before.statements);
            list.look();
        }
        const ListWork after = table->tableModel()->workForTests();
        QVERIFY2(after.statements - before.statements <= 1, qPrintable(QString::number(after.statements - before.statements)));
        QVERIFY2(after.rowsRead - before.rowsRead <= mostRows, qPrintable(QString::number(after.rowsRead - before.rowsRead)));
        QCOMPARE(list.rows(), list.stored());
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }
};

TESVAR_TEST(OpenListsTest)
#include "OpenListsTest.moc"
