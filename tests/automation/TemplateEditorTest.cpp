#include "FieldView.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/templates/DBLoginTemplate.h"
#include "automation/templates/DBRegistrationTemplate.h"
#include "automation/templates/DBTemplateList.h"
#include "automation/templates/WidArticleTemplateEditor.h"
#include "automation/templates/WidArticleTemplateJournal.h"
#include "automation/templates/WidDirectoryTemplateEditor.h"
#include "automation/templates/WidDirectoryTemplateJournal.h"
#include "automation/templates/WidLoginTemplateEditor.h"
#include "automation/templates/WidLoginTemplateJournal.h"
#include "automation/templates/WidRegistrationTemplateEditor.h"
#include "automation/templates/WidRegistrationTemplateJournal.h"
#include "automation/templates/WidSocialBookmarkTemplateEditor.h"
#include "sites/WidWebsiteTree.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "shell/WidTabManager.h"
#include "sites/WidWebsiteComboBox.h"
#include "views/BaseTableModel.h"

#include <QSignalSpy>
#include <QTabWidget>
#include <QSqlRecord>
#include <QTest>

#include <functional>

using namespace Vexal;

namespace {

struct Kind
{
    const char* name;
    std::function<BaseTemplateEditor*()> make;
    QString table;
    int type;               // Init type for the login and registration editors
    QStringList columns;    // selector columns in the order of the form's rows
};

QList<Kind> kinds()
{
    return {
        {"login", [] { return new WidLoginTemplateEditor; }, QStringLiteral("LoginTemplate"), 4,
         {"Login", "Password", "Submit"}},
        {"registration", [] { return new WidRegistrationTemplateEditor; }, QStringLiteral("RegistrationTemplate"), 4,
         {"FirstName", "MiddleName", "LastName", "FullName", "ScreenName", "Gender", "Login", "Password", "RPassword",
          "Email", "REmail", "URL", "Question", "Answer", "AcceptTerms", "RejectEmail", "Country", "City", "Province",
          "Address", "Details", "ZipCode", "Phone", "Fax"}},
        {"directory", [] { return new WidDirectoryTemplateEditor; }, QStringLiteral("DirectoryTemplate"), 0,
         {"Category", "Title", "Tags", "URL", "UserName", "UserEmail", "RegularLink", "AcceptTerms", "Description"}},
        {"socialBookmark", [] { return new WidSocialBookmarkTemplateEditor; }, QStringLiteral("SocialBookmarkTemplate"),
         0, {"Title", "Tags", "URL", "Description"}},
        {"article", [] { return new WidArticleTemplateEditor; }, QStringLiteral("ArticleTemplate"), 0,
         {"Category", "Title", "Tags", "Author", "Intro", "Body"}},
    };
}

// Websites of every type the editors use ("Both" is an Email and a
// Directories site, "Zeta" a second Articles site), then the given rows.
void addWebsites(std::initializer_list<const char*> rows = {})
{
    QVERIFY(TestDatabase::exec(QStringLiteral(
        "INSERT INTO Website (ID, Name, Type) VALUES (1, 'Mail', 4), (2, 'Alpha', 8), (3, 'Dirs', 32), "
        "(4, 'Marks', 128), (5, 'Both', 36), (6, 'Zeta', 8)")));
    for (const char* row : rows)
        QVERIFY(TestDatabase::exec(QLatin1String(row)));
}

Init* initOf(const Kind& kind, int id)
{
    auto* init = new Init(id, nullptr);
    init->setType(kind.type);
    return init;
}

QString stored(const QString& table, const QString& column, int id)
{
    return TestDatabase::value(QStringLiteral("SELECT %1 FROM %2 WHERE ID = %3").arg(column, table).arg(id))
        .toString();
}

int rows(BaseTable* table) { return table->tableModel()->rowCount(); }

} // namespace

class TemplateEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Logger::resetForTests(); }

    void everyKindRoundTrips()
    {
        for (const Kind& kind : kinds()) {
            TestDatabase db;
            addWebsites();
            int id = -1;
            {
                QScopedPointer<BaseTemplateEditor> editor(kind.make());
                editor->setInit(initOf(kind, -1));
                WidWebsiteComboBox* sites = editor->websiteField();
                QVERIFY2(sites->count() > 0, kind.name);
                QCOMPARE(sites->currentIndex(), 0);
                QCOMPARE(editor->selectorFields().size(), kind.columns.size());

                editor->nameField()->setText(QStringLiteral("Mine"));
                sites->setCurrentIndex(sites->count() - 1); // not the default
                for (int i = 0; i < kind.columns.size(); ++i)
                    editor->selectorFields().at(i)->setText(QStringLiteral("INPUT[name=\"%1\"]").arg(kind.columns.at(i)));
                editor->commentsField()->setPlainText(QStringLiteral("notes"));
                editor->save();
                QVERIFY2(Logger::errors().isEmpty(), kind.name);
                QVERIFY(!editor->isModified());
                id = editor->init()->id();
                QVERIFY(id > 0);
                QCOMPARE(stored(kind.table, QStringLiteral("WebsiteID"), id).toInt(), sites->currentId());
            }
            // Every row went into its own column.
            for (const QString& column : kind.columns)
                QCOMPARE(stored(kind.table, column, id), QStringLiteral("INPUT[name=\"%1\"]").arg(column));
            QCOMPARE(stored(kind.table, QStringLiteral("Name"), id), QStringLiteral("Mine"));
            QCOMPARE(stored(kind.table, QStringLiteral("Comments"), id), QStringLiteral("notes"));

            // Reopened: the same texts, and clean.
            QScopedPointer<BaseTemplateEditor> editor(kind.make());
            editor->setInit(initOf(kind, id));
            QVERIFY(!editor->isModified());
            QCOMPARE(editor->websiteField()->currentId(),
                     stored(kind.table, QStringLiteral("WebsiteID"), id).toInt());
            QCOMPARE(editor->selectorFields().last()->text(),
                     QStringLiteral("INPUT[name=\"%1\"]").arg(kind.columns.last()));
        }
    }

    // A selector of ordinary length shows whole in every selector field of
    // every kind, in an editor tab of the smallest window.
    void selectorsShowWhole()
    {
        TestDatabase db;
        const QString selector = QStringLiteral("div.signup-form form#register input[name=\"email\"]");
        for (const Kind& kind : kinds()) {
            QScopedPointer<BaseTemplateEditor> editor(kind.make());
            editor->setInit(initOf(kind, -1));
            editor->resize(780, 420);
            editor->show();
            QVERIFY(QTest::qWaitForWindowExposed(editor.data()));
            // The login form has one page; the others have tabs of pages.
            auto* pages = editor->findChild<QTabWidget*>();
            int checked = 0;
            for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
                if (pages)
                    pages->setCurrentIndex(page);
                for (QLineEdit* field : editor->selectorFields()) {
                    if (!field->isVisible())
                        continue;
                    QVERIFY2(showsWholeText(field, selector), kind.name);
                    ++checked;
                }
            }
            QCOMPARE(checked, editor->selectorFields().size());
        }
    }

    void changesAndLimits()
    {
        TestDatabase db;
        addWebsites({"INSERT INTO ArticleTemplate (ID, Name, WebsiteID, Title) VALUES (10, 'T', 2, 'H')"});
        WidArticleTemplateEditor editor;
        editor.setInit(new Init(10, nullptr));
        QVERIFY(!editor.isModified()); // filling marks nothing
        QCOMPARE(editor.websiteField()->currentId(), 2);

        editor.websiteField()->setCurrentIndex(editor.websiteField()->findData(6));
        QVERIFY(editor.isModified()); // the website alone
        editor.nameField()->clear();
        editor.save();
        QVERIFY(Logger::errors().isEmpty());
        QCOMPARE(stored(QStringLiteral("ArticleTemplate"), QStringLiteral("Name"), 10), QStringLiteral("Object"));
        QCOMPARE(stored(QStringLiteral("ArticleTemplate"), QStringLiteral("WebsiteID"), 10).toInt(), 6);
    }

    // A selector is checked where it is written: one that does not parse,
    // or that is longer than its column, is not stored. The bar names the
    // field and what is wrong (a parse error with its place, as the
    // selector tool shows it) until closed, and the editor keeps the text.
    void selectorsAreCheckedWhereTheyAreWritten_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("refusal");
        const QString notSaved = QStringLiteral("The template was not saved: the selector of \"Title\" ");
        const QString longValue = QStringLiteral("INPUT[title=\"%1\"]");
        QTest::newRow("an unclosed bracket")
            << "INPUT[name=\"t1\"" << notSaved + "does not parse. Incomplete selector. Selector: INPUT[name=\"t1\"";
        QTest::newRow("a wrong character, at its place")
            << "INPUT[name==\"t1\"]"
            << notSaved + "does not parse. Invalid character at pos. 12. Selector: INPUT[name==\"t1\"]";
        QTest::newRow("longer than its column") << longValue.arg(QString(123, QLatin1Char('x')))
                                                << notSaved + "has 138 characters; a selector takes at most 128.";
        QTest::newRow("as long as its column") << longValue.arg(QString(113, QLatin1Char('x'))) << QString();
    }

    void selectorsAreCheckedWhereTheyAreWritten()
    {
        QFETCH(QString, selector);
        QFETCH(QString, refusal);
        TestDatabase db;
        addWebsites({"INSERT INTO ArticleTemplate (ID, Name, WebsiteID, Title) VALUES (10, 'T', 2, 'H')"});
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        WidArticleTemplateEditor editor;
        editor.setInit(new Init(10, nullptr));
        editor.selectorFields().at(1)->setText(selector);
        editor.save();
        QCOMPARE(stored(QStringLiteral("ArticleTemplate"), QStringLiteral("Title"), 10),
                 refusal.isEmpty() ? selector : QStringLiteral("H"));
        QCOMPARE(editor.selectorFields().at(1)->text(), selector);
        QCOMPARE(editor.isModified(), !refusal.isEmpty());
        QCOMPARE(editor.tabWidget()->currentIndex(), refusal.isEmpty() ? 0 : 1); // the field is shown
        QCOMPARE(errors.count(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty()) {
            QCOMPARE(errors.last().at(0).toString(), refusal);
            QVERIFY(errors.last().at(1).toBool());
        }
    }

    void aSaveNeedsAWebsiteOfTheEditorsType()
    {
        TestDatabase db;
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        // No Articles website at all.
        {
            WidArticleTemplateEditor editor;
            editor.setInit(new Init(-1, nullptr));
            QCOMPARE(editor.websiteField()->count(), 0);
            editor.save();
            QCOMPARE(warnings.count(), 1);
            QCOMPARE(warnings.last().first().toString(), QStringLiteral("Please, select a proper website"));
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("ArticleTemplate")), 0);
            QVERIFY(editor.isModified());
        }
        // A template whose website is not of the editor's type (imported, or
        // the website's type changed) is not moved to the first website.
        addWebsites({"INSERT INTO DirectoryTemplate (ID, Name, WebsiteID, Title) VALUES (11, 'T', 4, 'a')"});
        WidDirectoryTemplateEditor editor;
        editor.setInit(new Init(11, nullptr));
        QVERIFY(editor.websiteField()->count() > 0);
        QCOMPARE(editor.websiteField()->currentIndex(), -1);
        QVERIFY(!editor.isModified());
        editor.selectorFields().at(1)->setText(QStringLiteral("b"));
        editor.save();
        QCOMPARE(warnings.count(), 2);
        QCOMPARE(stored(QStringLiteral("DirectoryTemplate"), QStringLiteral("WebsiteID"), 11).toInt(), 4);
        QCOMPARE(stored(QStringLiteral("DirectoryTemplate"), QStringLiteral("Title"), 11), QStringLiteral("a"));
        QCOMPARE(editor.selectorFields().at(1)->text(), QStringLiteral("b")); // the user's edit stays
        QVERIFY(editor.isModified());
    }

    void treeJournalsFilterByWebsiteType()
    {
        TestDatabase db;
        addWebsites({"INSERT INTO LoginTemplate (ID, Name, WebsiteID) VALUES "
                      "(1, 'mail', 1), (2, 'dirs', 3), (3, 'both', 5), (4, 'orphan', 99)",
                      "INSERT INTO RegistrationTemplate (ID, Name, WebsiteID) VALUES (1, 'dirs', 3)"});
        WidTabManager tabs;
        auto* journal = new WidLoginTemplateJournal;
        tabs.addUniqueTab(journal, nullptr);
        BaseTable* table = journal->tableWidget();
        SyncManager* sync = journal->syncManagerObject();
        QCOMPARE(journal->typeTree()->currentType(), 4); // agrees with the starting filter
        QCOMPARE(rows(table), 2);
        QVERIFY(sync->isEnabled(BaseTable::CommandAdd));

        journal->typeTree()->setCurrentType(32);
        QCOMPARE(rows(table), 2);
        QStringList names;
        for (int row = 0; row < rows(table); ++row)
            names << table->tableModel()->index(row, 1).data().toString();
        names.sort();
        QCOMPARE(names, QStringList({QStringLiteral("both"), QStringLiteral("dirs")}));

        // Add presets the tree's type in the new editor.
        journal->add();
        auto* editor = qobject_cast<WidLoginTemplateEditor*>(tabs.currentWidget());
        QVERIFY(editor);
        QCOMPARE(editor->typeField()->text(), QStringLiteral("Directories"));
        QCOMPARE(editor->websiteField()->count(), 2);

        journal->typeTree()->setCurrentType(0); // the root: no type
        QCOMPARE(rows(table), 0);
        QVERIFY(!sync->isEnabled(BaseTable::CommandAdd));
        table->selectAll();
        journal->slotSelectionChanged(); // leaves Add to the tree
        QVERIFY(!sync->isEnabled(BaseTable::CommandAdd));

        auto* registration = new WidRegistrationTemplateJournal;
        tabs.addUniqueTab(registration, nullptr);
        QCOMPARE(rows(registration->tableWidget()), 0);
        registration->typeTree()->setCurrentType(32);
        QCOMPARE(rows(registration->tableWidget()), 1);
        QVERIFY(Logger::errors().isEmpty());
    }

    void plainJournalsListTheirKind()
    {
        TestDatabase db;
        addWebsites({"INSERT INTO ArticleTemplate (ID, Name, WebsiteID) VALUES (1, 'a', 2), (2, 'b', 99)",
                      "INSERT INTO DirectoryTemplate (ID, Name, WebsiteID) VALUES (1, 'd', 3)"});
        WidTabManager tabs;
        auto* articles = new WidArticleTemplateJournal;
        auto* directories = new WidDirectoryTemplateJournal;
        tabs.addUniqueTab(articles, nullptr);
        tabs.addUniqueTab(directories, nullptr);
        // A template whose website is gone stays listed, without a website name.
        BaseTableModel* model = articles->tableWidget()->tableModel();
        QCOMPARE(model->rowCount(), 2);
        const int websiteName = model->fieldIndex(QStringLiteral("WebsiteName"));
        QVERIFY(websiteName >= 0);
        QCOMPARE(model->index(0, websiteName).data().toString(), QStringLiteral("Alpha"));
        QVERIFY(model->index(1, websiteName).data().toString().isEmpty());
        QCOMPARE(rows(directories->tableWidget()), 1);
        QVERIFY(Logger::errors().isEmpty());
    }

    void templateListOfOneWebsite()
    {
        TestDatabase db;
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO LoginTemplate (Name, WebsiteID) VALUES "
                                                  "('first', 7), ('other', 8), ('second', 7), ('orphan', -1)")));
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO RegistrationTemplate (Name, WebsiteID) VALUES "
                                                  "('r', 7)")));

        DBTemplateList list(DBTemplateList::KindLogin, 7);
        QVERIFY2(list.load(), qPrintable(list.errorText()));
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.loginTemplateAt(0)->name(), QStringLiteral("first"));
        QCOMPARE(list.loginTemplateAt(1)->name(), QStringLiteral("second"));
        QVERIFY(!list.registrationTemplateAt(0));
        QVERIFY(!list.loginTemplateAt(2));

        DBTemplateList orphans(DBTemplateList::KindLogin, -1);
        QVERIFY(orphans.load());
        QCOMPARE(orphans.count(), 1);
        QCOMPARE(orphans.loginTemplateAt(0)->name(), QStringLiteral("orphan"));

        DBTemplateList registrations(DBTemplateList::KindRegistration, 7);
        QVERIFY(registrations.load());
        QCOMPARE(registrations.count(), 1);
        QVERIFY(!registrations.loginTemplateAt(0));

        DBTemplateList unknown(7, 7);
        QVERIFY(!unknown.load());
        QVERIFY(!unknown.errorText().isEmpty());
    }
};

TESVAR_TEST(TemplateEditorTest)
#include "TemplateEditorTest.moc"
