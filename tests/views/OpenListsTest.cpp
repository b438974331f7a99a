#include "FreshStateTest.h"
#include "JournalDriver.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/ExtArticleSubmitter.h"
#include "content/DBArticle.h"
#include "data/DBCategory.h"
#include "content/DBSpinnedArticle.h"
#include "content/ThreadSpinner.h"
#include "content/WidArticleComboBox.h"
#include "content/WidArticleEditor.h"
#include "content/WidArticleJournal.h"
#include "content/WidCategoryComboBox.h"
#include "content/WidSpinnedArticleComboBox.h"
#include "content/DBWord.h"
#include "content/WidSpinnedArticleJournal.h"
#include "content/WidSynonymJournal.h"
#include "content/WidWordTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "data/DBConnection.h"
#include "data/DBMasterAccount.h"
#include "exchange/ThreadXmlImport.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/DlgCreateMasterAccount.h"
#include "sites/WidMasterAccountComboBox.h"
#include "sites/WidMasterAccountEditor.h"
#include "sites/WidMasterAccountJournal.h"
#include "views/BaseTableModel.h"
#include "views/UtilDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <QWebPage>

#include <functional>
#include <map>

using namespace Vexal;
using namespace JournalDriver;

namespace {

// A user's desk: the current project with one article written in spintax and
// one spun article of it, two categories, a master account, and the identity
// tables the master-account generator draws from.
struct Desk
{
    TestDatabase db;
    WidTabManager tabs;
    WidWebTab webTab;
    int project = -1;
    int article = -1;
    int spun = -1;
    int master = -1;
    int chosenCategory = -1;
    int word = -1;

    Desk()
    {
        // As the program makes a new database file.
        DBConnection::useWriteAheadLog(db.database());
        project = useProject(QStringLiteral("P"));
        chosenCategory = addRow(QStringLiteral("Category"), {{"Name", "News"}});
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

// The rows a journal lists (all of them fetched), each as its columns' values
// joined by '|'.
QStringList journalRows(BaseJournal* journal, const QStringList& columns)
{
    auto* model = journal->tableWidget()->tableModel();
    while (model->canFetchMore())
        model->fetchMore();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList values;
        for (const QString& name : columns)
            values << model->record(row).value(name).toString();
        rows << values.join(QLatin1Char('|'));
    }
    return sorted(rows);
}

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return sorted(texts);
}

// An open list: what it shows, and what it should show from what is stored.
struct Shown
{
    std::function<QStringList()> rows;
    std::function<QStringList()> stored;
};

using Opener = std::function<Shown(Desk&)>;

const std::map<QString, Opener>& lists()
{
    static const std::map<QString, Opener> all = {
        {"master accounts journal",
         [](Desk& desk) {
             auto* journal = openJournal<WidMasterAccountJournal>(desk.tabs);
             return Shown{[journal] { return journalRows(journal, {"Name"}); },
                          [] { return column("SELECT Name FROM MasterAccount"); }};
         }},
        {"articles journal",
         [](Desk& desk) {
             auto* journal = openJournal<WidArticleJournal>(desk.tabs);
             return Shown{[journal] { return journalRows(journal, {"Name", "Spun", "SpunCount"}); },
                          [] { return column("SELECT Name || '|' || Spun || '|' || SpunCount FROM ArticleView"); }};
         }},
        {"spun articles journal",
         [](Desk& desk) {
             auto* journal = openJournal<WidSpinnedArticleJournal>(desk.tabs, new Init(-1, nullptr));
             return Shown{[journal] { return journalRows(journal, {"Name", "ArticleName"}); },
                          [] { return column("SELECT Name || '|' || ArticleName FROM SpunArticleView"); }};
         }},
        // Beside a journal of more rows than one fetch brings, whose reading
        // stays open on the window's connection.
        {"articles journal beside a long journal",
         [](Desk& desk) {
             addMasterAccounts(600);
             auto* masters = openJournal<WidMasterAccountJournal>(desk.tabs);
             if (!masters->tableWidget()->tableModel()->canFetchMore())
                 qWarning("the long journal has all its rows at once");
             auto* journal = openJournal<WidArticleJournal>(desk.tabs);
             return Shown{[journal] { return journalRows(journal, {"Name", "Spun", "SpunCount"}); },
                          [] { return column("SELECT Name || '|' || Spun || '|' || SpunCount FROM ArticleView"); }};
         }},
        {"long master accounts journal",
         [](Desk& desk) {
             addMasterAccounts(600);
             auto* journal = openJournal<WidMasterAccountJournal>(desk.tabs);
             // Counted where the journal reads, without fetching its rows.
             const QString count = QStringLiteral("SELECT COUNT(*) FROM MasterAccount");
             return Shown{[journal, count] {
                              QSqlQuery query(journal->tableWidget()->tableModel()->database());
                              query.exec(count);
                              return QStringList{query.next() ? query.value(0).toString() : QString()};
                          },
                          [count] { return QStringList{TestDatabase::value(count).toString()}; }};
         }},
        // The words beside the synonyms, by language; a word chosen.
        {"synonyms journal",
         [](Desk& desk) {
             auto* journal = openJournal<WidSynonymJournal>(desk.tabs);
             WidWordTree* tree = journal->wordTree();
             tree->setCurrentItem(tree->topLevelItem(0)->child(0));
             auto chosen = [tree] { return QStringLiteral("chosen %1").arg(tree->currentWordId()); };
             const int word = desk.word;
             return Shown{[tree, chosen] {
                              QStringList paths;
                              for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                                  const QTreeWidgetItem* parent = (*it)->parent();
                                  paths << (parent ? QString(parent->text(0) + '/' + (*it)->text(0))
                                                   : (*it)->text(0));
                              }
                              return sorted(paths) << chosen();
                          },
                          [word] {
                              return column("SELECT Name FROM Language UNION ALL SELECT l.Name || '/' || w.Name "
                                            "FROM Word w JOIN Language l ON l.ID = w.LanguageID")
                                     << QStringLiteral("chosen %1").arg(word);
                          }};
         }},
        {"master account chooser",
         [](Desk& desk) {
             auto* box = new WidMasterAccountComboBox(&desk.tabs);
             box->reload();
             return Shown{[box] { return items(box); }, [] { return column("SELECT Name FROM MasterAccount"); }};
         }},
        // The article submitter of a page: its choosers, and the title it
        // offers to drag, which follows the spun article chosen.
        {"article submitter",
         [](Desk& desk) {
             desk.webTab.setInit(nullptr);
             QSignalSpy loaded(desk.webTab.webView()->page(), &QWebPage::loadFinished);
             desk.webTab.webView()->setHtml(QStringLiteral("<html><body></body></html>"),
                                            QUrl(QStringLiteral("http://site.test/")));
             if (loaded.isEmpty())
                 loaded.wait(10000);
             auto* panel = new ExtArticleSubmitter;
             desk.webTab.setExtension(panel);
             const int article = desk.article;
             const int spun = desk.spun;
             return Shown{[panel] {
                              return items(panel->articleBox()) + items(panel->spunArticleBox())
                                     + QStringList{panel->dragValues().value(0), panel->dragValues().value(2)};
                          },
                          [article, spun] {
                              // The spun article chosen stays; when it is gone
                              // the first by name is chosen.
                              const QString title = TestDatabase::value(
                                  QStringLiteral("SELECT TitleFinal FROM SpunArticle WHERE ArticleID = %1 "
                                                 "ORDER BY ID = %2 DESC, Name LIMIT 1").arg(article).arg(spun))
                                                        .toString();
                              const QString author = TestDatabase::value(
                                  QStringLiteral("SELECT Author FROM Article WHERE ID = %1").arg(article)).toString();
                              return column("SELECT Name FROM Article")
                                     + column(QStringLiteral("SELECT Name FROM SpunArticle WHERE ArticleID = %1")
                                                  .arg(article))
                                     + QStringList{title, author};
                          }};
         }},
        // An editor tab of the stored article whose name the user is editing:
        // the category chooser lists every category, the user's choice and
        // typing stay, and the page stays modified.
        {"article editor being edited",
         [](Desk& desk) {
             auto* editor = new WidArticleEditor;
             desk.tabs.addUniqueTab(editor, new Init(desk.article, nullptr));
             editor->categoryBox->setCurrentId(desk.chosenCategory);
             editor->nameEdit->setText(QStringLiteral("typed"));
             auto state = [editor] {
                 return QStringList{editor->categoryBox->currentText(), editor->nameEdit->text(),
                                    editor->isModified() ? QStringLiteral("modified") : QStringLiteral("clean")};
             };
             return Shown{[editor, state] { return items(editor->categoryBox) + state(); },
                          [] {
                              return column("SELECT Name FROM Category")
                                     + QStringList{QStringLiteral("News"), QStringLiteral("typed"),
                                                   QStringLiteral("modified")};
                          }};
         }},
    };
    return all;
}

using Change = std::function<void(Desk&)>;

bool runJob(Thread& job)
{
    job.start();
    return job.wait(60000);
}

const std::map<QString, Change>& changes()
{
    static const std::map<QString, Change> all = {
        // The master-account editor's Create Account: the generator fills a
        // new account and the dialog saves it.
        {"master account generated",
         [](Desk& desk) {
             auto* editor = new WidMasterAccountEditor;
             desk.tabs.addFocusedTab(editor, new Init(-1, nullptr));
             UtilDialog::setRunner([](QDialog* dialog) {
                 auto* create = qobject_cast<DlgCreateMasterAccount*>(dialog);
                 if (!create)
                     return int(QDialog::Rejected);
                 create->findChild<QCheckBox*>()->setChecked(true);
                 create->slotAccept();
                 return create->result();
             });
             editor->slotCreateAccount();
             UtilDialog::setRunner({});
             QVERIFY(editor->init()->id() > desk.master);
         }},
        {"master account deleted",
         [](Desk& desk) {
             DBMasterAccount account;
             QVERIFY(account.load(desk.master));
             QVERIFY(account.remove());
         }},
        {"master accounts imported",
         [](Desk&) {
             QFile file(QStringLiteral("masters.xml"));
             QVERIFY(file.open(QIODevice::WriteOnly));
             file.write("<!DOCTYPE doc>\n<items Table=\"MasterAccount\"><item><ID>7000</ID><Name>in 1</Name></item>"
                        "<item><ID>7001</ID><Name>in 2</Name></item></items>\n");
             file.close();
             ThreadXmlImport job({file.fileName()});
             QVERIFY(runJob(job));
             QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
         }},
        {"article saved",
         [](Desk& desk) {
             DBArticle article;
             article.setName(QStringLiteral("A2"));
             article.setProjectId(desk.project);
             QVERIFY2(article.save(), qPrintable(article.errorText()));
         }},
        // The spin job of the article, on its own thread.
        {"article spun",
         [](Desk& desk) {
             ThreadSpinner job(desk.article, 3, false);
             QVERIFY(runJob(job));
             QVERIFY2(job.isSuccessful(), qPrintable(job.errorText()));
         }},
        // The chosen spun article's final title and the chosen article's
        // author, edited and saved in their editors.
        {"chosen records edited",
         [](Desk& desk) {
             DBSpinnedArticle spun;
             QVERIFY(spun.load(desk.spun));
             spun.setTitleFinal(QStringLiteral("T2"));
             QVERIFY(spun.save());
             DBArticle article;
             QVERIFY(article.load(desk.article));
             article.setAuthor(QStringLiteral("Me"));
             QVERIFY(article.save());
         }},
        {"spun article deleted",
         [](Desk& desk) {
             DBSpinnedArticle spun;
             QVERIFY(spun.load(desk.spun));
             QVERIFY(spun.remove());
         }},
        {"word saved",
         [](Desk&) {
             DBWord word;
             word.setName(QStringLiteral("aardvark"));
             word.setLanguageId(1);
             QVERIFY2(word.save(), qPrintable(word.errorText()));
         }},
        {"category saved",
         [](Desk&) {
             DBCategory category;
             category.setName(QStringLiteral("Arts"));
             QVERIFY2(category.save(), qPrintable(category.errorText()));
         }},
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
    // that shows its kind once the window runs its events, and not before.
    void listsShowWhatWasStored_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("change");
        const char* const rows[][2] = {
            {"master accounts journal", "master account generated"},
            {"master accounts journal", "master account deleted"},
            {"master accounts journal", "master accounts imported"},
            {"long master accounts journal", "master accounts imported"},
            {"master account chooser", "master account generated"},
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
        QCoreApplication::processEvents();
        QCOMPARE(shown.rows(), shown.stored());
        QVERIFY2(Logger::errors().isEmpty(), qPrintable(Logger::errors().join('\n')));
    }

    // A thousand rows stored make an open journal select once: one by one
    // on the window's connection, or by a job in one transaction.
    void manyStoredRowsSelectOnce_data()
    {
        QTest::addColumn<bool>("job");
        QTest::newRow("saved one by one") << false;
        QTest::newRow("imported by a job") << true;
    }

    void manyStoredRowsSelectOnce()
    {
        QFETCH(bool, job);
        Desk desk;
        auto* journal = openJournal<WidMasterAccountJournal>(desk.tabs);
        QCoreApplication::processEvents();
        QSignalSpy selects(journal->tableWidget()->tableModel(), &QAbstractItemModel::modelReset);
        if (job) {
            QByteArray items;
            for (int i = 0; i < 1000; ++i)
                items += QStringLiteral("<item><ID>%1</ID><Name>in %1</Name></item>").arg(100 + i).toUtf8();
            QFile file(QStringLiteral("many.xml"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<!DOCTYPE doc>\n<items Table=\"MasterAccount\">" + items + "</items>\n");
            file.close();
            ThreadXmlImport import({file.fileName()});
            QVERIFY(runJob(import));
            QVERIFY2(import.isSuccessful(), qPrintable(import.errorText()));
        } else {
            for (int i = 0; i < 1000; ++i) {
                DBMasterAccount account;
                account.setName(QStringLiteral("saved %1").arg(i));
                QVERIFY(account.save());
            }
        }
        QCOMPARE(selects.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(selects.count(), 1);
        QCOMPARE(journalRows(journal, {"Name"}).size(), 1001);
    }

    // A journal that selects again for news keeps the user's rows and place;
    // after Select All the new rows are selected with the rest.
    void journalKeepsTheSelectionAndThePlace()
    {
        Desk desk;
        QVERIFY(addMasterAccounts(600));
        auto* journal = openJournal<WidMasterAccountJournal>(desk.tabs);
        BaseTable* table = journal->tableWidget();
        desk.tabs.resize(600, 400);
        desk.tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&desk.tabs));
        auto storeOne = [](const QString& name) {
            DBMasterAccount account;
            account.setName(name);
            QVERIFY(account.save());
            QCoreApplication::processEvents();
        };

        // Far down the list, beyond the first fetch.
        while (table->tableModel()->rowCount() < 500)
            table->tableModel()->fetchMore();
        const int chosen = table->tableModel()->record(480).value("ID").toInt();
        QVERIFY(selectId(journal, chosen));
        table->scrollTo(table->currentIndex());
        const int place = table->verticalScrollBar()->value();
        QVERIFY(place > 0);
        QVERIFY(journal->syncManagerObject()->isEnabled(BaseTable::CommandEdit));
        Logger::setContext(QStringLiteral("Elsewhere"), QStringLiteral("Save"));

        storeOne(QStringLiteral("new"));
        QCOMPARE(table->selectedIds(), QList<qint64>{chosen});
        QCOMPARE(table->currentIndex().row(), 480);
        QCOMPARE(table->verticalScrollBar()->value(), place);
        QVERIFY(journal->syncManagerObject()->isEnabled(BaseTable::CommandEdit));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Save"));

        journal->selectAll();
        storeOne(QStringLiteral("newer"));
        QVERIFY(table->allRowsSelected());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT COUNT(*) FROM MasterAccount WHERE ")
                                     + table->selectedRowsCondition()).toInt(), 603);
    }
};

TESVAR_TEST(OpenListsTest)
#include "OpenListsTest.moc"
