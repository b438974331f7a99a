#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "core/DBSql.h"
#include "shell/BaseTab.h"
#include "shell/WidTabManager.h"
#include "texts/ConstIcon.h"
#include "data/DBBookmark.h"
#include "views/DelegateBookmarks.h"
#include "views/DlgBookmark.h"
#include "views/UtilDialog.h"
#include "views/UtilRecordMenu.h"
#include "views/WidBookmarkEditor.h"
#include "views/WidBookmarkJournal.h"
#include "views/WidBookmarkTable.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

using namespace Vexal;

namespace {

// A tab page that stands for a web tab (or, with web off, any other page).
class FakeTab : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    FakeTab(const QString& address, const QString& name, bool web = true)
        : address(address)
        , name(name)
        , web(web)
    {
    }
    bool isWebPage() const override { return web; }
    QUrl url() const override { return QUrl(address); }
    QString title() const override { return name; }
    QPixmap icon() const override { return ConstIcon::webPage(16); }
    QString address;
    QString name;
    bool web;
};

// Several instances of the same class would be reused by a unique add.
FakeTab* addTab(WidTabManager& tabs, const QString& address, const QString& name, bool web = true)
{
    auto* tab = new FakeTab(address, name, web);
    tabs.addFocusedTab(tab, nullptr);
    return tab;
}

QStringList storedNames(const QString& where = QStringLiteral("1=1"))
{
    QStringList names;
    QSqlQuery query(QStringLiteral("SELECT Name FROM Bookmark WHERE %1 ORDER BY ID").arg(where));
    while (query.next())
        names << query.value(0).toString();
    return names;
}

QStringList entryTexts(const QList<QAction*>& entries)
{
    QStringList texts;
    for (QAction* action : entries)
        texts << action->text();
    return texts;
}

void answerTitle(const QString& title, bool accept)
{
    UtilDialog::setRunner([=](QDialog* dialog) {
        if (auto* ask = qobject_cast<DlgBookmark*>(dialog))
            ask->titleEdit->setText(title);
        return int(accept ? QDialog::Accepted : QDialog::Rejected);
    });
}

} // namespace

class BookmarkTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Logger::resetForTests(); }
    void cleanup() { UtilDialog::setRunner({}); }

    void allTabsThenVisibleShowsThemInTheMenu()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        WidTabManager tabs;
        addTab(tabs, QStringLiteral("http://c.org/"), QStringLiteral("Charlie"));
        addTab(tabs, QStringLiteral("http://a.org/"), QStringLiteral("alpha"));
        addTab(tabs, QString(), QStringLiteral("Empty page"));
        addTab(tabs, QStringLiteral("http://b.org/"), QStringLiteral("Bravo"));
        addTab(tabs, QStringLiteral("http://not-web/"), QStringLiteral("Console"), false);
        DelegateBookmarks delegate(&tabs, nullptr);
        const int journalIndex = delegate.openJournal();
        auto* journal = dynamic_cast<WidBookmarkJournal*>(tabs.pageAt(journalIndex));
        QVERIFY(journal);
        QCOMPARE(delegate.openJournal(), journalIndex);

        QVERIFY(delegate.bookmarkAllTabs());
        QCOMPARE(storedNames(), (QStringList{QStringLiteral("Charlie"), QStringLiteral("alpha"),
                                             QStringLiteral("Bravo")}));
        QCOMPARE(storedNames(QStringLiteral("Visible <> 0")), QStringList());
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Title FROM Bookmark WHERE Name = 'Bravo'")).toString(),
                 QStringLiteral("Bravo"));

        QMenu menu;
        QAction* fixed = menu.addAction(QStringLiteral("Bookmarks"));
        QVERIFY(UtilRecordMenu::buildBookmarks(&menu).isEmpty());
        QCOMPARE(menu.actions(), QList<QAction*>{fixed}); // no separator without entries

        // Show two of them through the journal.
        journal->reload();
        BaseTable* table = journal->tableWidget();
        QCOMPARE(table->model()->rowCount(), 3);
        QVERIFY(!journal->syncManagerObject()->isEnabled(WidBookmarkTable::CommandVisible));
        table->selectionModel()->select(table->model()->index(0, 1),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table->selectionModel()->select(table->model()->index(1, 1),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(journal->syncManagerObject()->isEnabled(WidBookmarkTable::CommandVisible));
        QVERIFY(journal->syncManagerObject()->isEnabled(WidBookmarkTable::CommandLoad));
        QSignalSpy rebuilds(UtilSignalManager::instance(), &UtilSignalManager::onRestoreBookmarksMenu);
        journal->slotVisible();
        QCOMPARE(rebuilds.count(), 1);
        QCOMPARE(storedNames(QStringLiteral("Visible = 1")).size(), 2);

        const QList<QAction*> entries = UtilRecordMenu::buildBookmarks(&menu);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(menu.actions().size(), 4); // fixed, separator, two entries
        QVERIFY(menu.actions().at(1)->isSeparator());
        const QStringList shown = entryTexts(entries);
        QStringList sorted = shown;
        std::sort(sorted.begin(), sorted.end()); // by Name, case-sensitive
        QCOMPARE(shown, sorted);

        // The reload dropped the selection: Hidden does nothing until rows
        // are chosen again; then the next build has no entries, no separator.
        journal->slotHidden();
        QCOMPARE(rebuilds.count(), 1);
        table->selectAll();
        journal->slotHidden();
        QCOMPARE(rebuilds.count(), 2);
        QVERIFY(UtilRecordMenu::buildBookmarks(&menu).isEmpty());
        QCOMPARE(menu.actions(), QList<QAction*>{fixed});
        QVERIFY(Logger::errors().isEmpty());
    }

    void menuTakesTheFirst21ByName()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QSqlQuery insert;
        QVERIFY(insert.prepare(QStringLiteral("INSERT INTO Bookmark (Name, Title, URL, Visible) VALUES (?, ?, ?, ?)")));
        for (int i = 0; i < 30; ++i) {
            const QString name = (i % 2 ? QStringLiteral("b%1") : QStringLiteral("B%1")).arg(i, 2, 10, QLatin1Char('0'));
            insert.addBindValue(name);
            insert.addBindValue(name);
            insert.addBindValue(QStringLiteral("http://site/%1").arg(i));
            insert.addBindValue(i == 29 ? 5 : 1); // any non-zero is visible
            QVERIFY(insert.exec());
        }
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Bookmark (Name, Visible) VALUES ('A hidden', 0)")));
        QMenu menu;
        const QList<QAction*> entries = UtilRecordMenu::buildBookmarks(&menu);
        QCOMPARE(entries.size(), UtilRecordMenu::bookmarkLimit);
        // The 15 capitals first, then the small letters.
        QCOMPARE(entries.at(0)->text(), QStringLiteral("B00"));
        QCOMPARE(entries.at(15)->text(), QStringLiteral("b01"));
        QCOMPARE(entries.at(0)->data().toString(), QStringLiteral("http://site/0"));
    }

    void singleBookmarkCommands()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        WidTabManager tabs;
        DelegateBookmarks delegate(&tabs, nullptr);
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        // An empty page stores nothing and says nothing.
        QVERIFY(!delegate.quickBookmark(QUrl(), QStringLiteral("x"), QPixmap()));
        addTab(tabs, QString(), QStringLiteral("Blank"));
        QVERIFY(!delegate.quickBookmarkCurrentTab());
        QCOMPARE(errors.count() + warnings.count(), 0);

        addTab(tabs, QStringLiteral("http://q.org/"), QStringLiteral("Quick"));
        QVERIFY(delegate.quickBookmarkCurrentTab());
        QCOMPARE(storedNames(), QStringList{QStringLiteral("Quick")});

        addTab(tabs, QStringLiteral("http://d.org/"), QStringLiteral("Dialog"));
        answerTitle(QStringLiteral("ignored"), false);
        QVERIFY(!delegate.bookmarkCurrentTab()); // Cancel
        answerTitle(QStringLiteral("Typed"), true);
        QVERIFY(delegate.bookmarkCurrentTab());
        answerTitle(QString(), true);
        QVERIFY(delegate.bookmarkWithDialog(QUrl(QStringLiteral("http://e.org/")), QStringLiteral("E"), QPixmap()));
        QCOMPARE(storedNames(), (QStringList{QStringLiteral("Quick"), QStringLiteral("Typed"), QStringLiteral("Object")}));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Title FROM Bookmark WHERE URL = 'http://e.org/'")).toString(),
                 QString());

        addTab(tabs, QStringLiteral("http://x/"), QStringLiteral("Journal-like"), false);
        QVERIFY(!delegate.quickBookmarkCurrentTab());
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(warnings.first().at(0).toString(), QStringLiteral("This tool works on web tabs only"));
        QCOMPARE(storedNames().size(), 3);
        QCOMPARE(errors.count(), 0);
    }

    void editorStoresNameTitleAndRebuildsTheMenu()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QSignalSpy rebuilds(UtilSignalManager::instance(), &UtilSignalManager::onRestoreBookmarksMenu);
        WidBookmarkEditor editor;
        editor.setInit(new Init(-1, nullptr));
        QCOMPARE(editor.titleEdit->text(), QStringLiteral("Bookmark"));
        editor.titleEdit->clear();
        editor.urlEdit->setText(QStringLiteral("http://v.org/"));
        editor.visibleBox->setChecked(true);
        editor.save();
        QVERIFY(!editor.isModified());
        QCOMPARE(rebuilds.count(), 1);

        DBBookmark stored(nullptr);
        QVERIFY(stored.load(editor.init()->id()));
        QCOMPARE(stored.name(), QStringLiteral("Object"));
        QCOMPARE(stored.title(), QStringLiteral("Object"));
        QVERIFY(stored.isVisible());
        QVERIFY(!stored.icon().isNull());

        QMenu menu;
        const QList<QAction*> entries = UtilRecordMenu::buildBookmarks(&menu);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.first()->data().toString(), QStringLiteral("http://v.org/"));
    }

    void deleteAndLoadFromTheJournal()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO Bookmark (Name, Title, URL, Visible) VALUES ('One', 'One', 'http://one.org/', 1)")));
        WidTabManager tabs;
        auto* journal = new WidBookmarkJournal;
        tabs.addUniqueTab(journal, nullptr);
        QCOMPARE(journal->title(), QStringLiteral("Bookmarks"));
        journal->tableWidget()->selectRow(0);

        QSignalSpy loads(UtilSignalManager::instance(), &UtilSignalManager::onLoad);
        journal->slotLoad();
        QCOMPARE(loads.count(), 1);
        QCOMPARE(loads.first().at(0).toUrl(), QUrl(QStringLiteral("http://one.org/")));

        ScriptedPrompt prompt;
        prompt.answers.enqueue(QMessageBox::Yes);
        QSignalSpy rebuilds(UtilSignalManager::instance(), &UtilSignalManager::onRestoreBookmarksMenu);
        journal->remove();
        QCOMPARE(TestDatabase::rowCount(DBSql::tableBookmark()), 0);
        QCOMPARE(rebuilds.count(), 1);
    }
};

TESVAR_TEST(BookmarkTest)
#include "BookmarkTest.moc"
