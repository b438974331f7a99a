#include "FreshDatabaseTest.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"
#include "JournalDriver.h"
#include "FakeWebTab.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "core/DBSql.h"
#include "shell/WidTabManager.h"
#include "data/DBBookmark.h"
#include "views/DelegateBookmarks.h"
#include "views/DlgBookmark.h"
#include "views/UtilRecordMenu.h"
#include "views/WidBookmarkEditor.h"
#include "views/WidBookmarkJournal.h"
#include "views/WidBookmarkTable.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

using namespace Vexal;

namespace {

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
    JournalDriver::answerDialogs<DlgBookmark>([=](DlgBookmark* ask) { ask->titleEdit->setText(title); }, accept);
}

} // namespace

class BookmarkTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void allTabsThenVisibleShowsThemInTheMenu()
    {
        WidTabManager tabs;
        FakeWebTab::open(tabs, QStringLiteral("http://c.org/"), QStringLiteral("Charlie"));
        FakeWebTab::open(tabs, QStringLiteral("http://a.org/"), QStringLiteral("alpha"));
        FakeWebTab::open(tabs, QString(), QStringLiteral("Empty page"));
        FakeWebTab::open(tabs, QStringLiteral("http://b.org/"), QStringLiteral("Bravo"));
        FakeWebTab::open(tabs, QStringLiteral("http://not-web/"), QStringLiteral("Console"), false);
        DelegateBookmarks delegate(&tabs, nullptr);
        const int journalIndex = delegate.openJournal();
        auto* journal = dynamic_cast<WidBookmarkJournal*>(tabs.pageAt(journalIndex));
        QVERIFY(journal);
        QCOMPARE(delegate.openJournal(), journalIndex);

        QVERIFY(delegate.bookmarkAllTabs());
        QCOMPARE(storedNames(), (QStringList{QStringLiteral("Charlie"), QStringLiteral("alpha"),
                                             QStringLiteral("Bravo")}));
        QCOMPARE(storedNames(QStringLiteral("Visible <> 0")), QStringList());

        QMenu menu;
        QAction* fixed = menu.addAction(QStringLiteral("Bookmarks"));

        // Show two of them through the journal.
        journal->reload();
        BaseTable* table = journal->tableWidget();
        QCOMPARE(table->model()->rowCount(), 3);
        JournalDriver::selectRows(table, {0, 1});
        QVERIFY(journal->syncManagerObject()->isEnabled(WidBookmarkTable::CommandVisible));
        QSignalSpy rebuilds(UtilSignalManager::instance(), &UtilSignalManager::onRestoreBookmarksMenu);
        journal->slotVisible();
        QCOMPARE(rebuilds.count(), 1);
        QCOMPARE(storedNames(QStringLiteral("Visible = 1")).size(), 2);

        QCOMPARE(UtilRecordMenu::buildBookmarks(&menu).size(), 2);

        // The two stay selected: Hidden hides them again; after Select All
        // the next build has no entries, no separator.
        QCOMPARE(table->selectedIds().size(), 2);
        journal->slotHidden();
        QCOMPARE(rebuilds.count(), 2);
        QCOMPARE(storedNames(QStringLiteral("Visible = 1")), QStringList());
        journal->slotVisible();
        table->selectAll();
        journal->slotHidden();
        QCOMPARE(rebuilds.count(), 4);
        QVERIFY(UtilRecordMenu::buildBookmarks(&menu).isEmpty());
        QCOMPARE(menu.actions(), QList<QAction*>{fixed}); // no separator without entries
        QVERIFY(Logger::errors().isEmpty());
    }

    // The menu on collections larger than it shows: the visible bookmarks
    // (Visible exactly 1), in case-sensitive Name order with equal names in
    // the order they were stored, at most 21, each with its own icon.
    void menuShowsTheFirstVisibleByName_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("visible");

        QStringList mixed;
        QList<int> mixedVisible;
        const QStringList pool{QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("Zeta"),
                               QStringLiteral("zeta"), QStringLiteral("B"), QStringLiteral("Ab"), QStringLiteral("aB"),
                               QStringLiteral("A"), QStringLiteral("b ")};
        for (int i = 0; i < 60; ++i) {
            mixed << pool.at((i * 7) % pool.size()) + (i % 3 ? QString() : QString::number(i % 4));
            mixedVisible << (i % 5 == 0 ? 0 : (i % 11 == 0 ? 5 : 1));
        }
        QTest::newRow("capitals first, equal names, hidden and other flags") << mixed << mixedVisible;

        QStringList same;
        QList<int> sameVisible;
        for (int i = 0; i < 25; ++i) {
            same << QStringLiteral("Same");
            sameVisible << 1;
        }
        same << QStringLiteral("Earlier") << QStringLiteral("Same ") << QStringLiteral("Sam");
        sameVisible << 0 << 1 << 1;
        QTest::newRow("a tie across the limit") << same << sameVisible;

        QTest::newRow("fewer than the menu holds")
            << QStringList{QStringLiteral("c"), QStringLiteral("C"), QStringLiteral("b")} << QList<int>{1, 0, 1};
    }

    void menuShowsTheFirstVisibleByName()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, visible);
        QSqlQuery insert;
        QVERIFY(insert.prepare(
            QStringLiteral("INSERT INTO Bookmark (Name, Title, URL, Visible, Icon) VALUES (?, ?, ?, ?, ?)")));
        for (int i = 0; i < names.size(); ++i) {
            QImage icon(16, 16, QImage::Format_ARGB32);
            icon.fill(QColor::fromRgb(i, 255 - i, 7));
            insert.addBindValue(names.at(i));
            insert.addBindValue(QStringLiteral("Title %1").arg(i));
            insert.addBindValue(QStringLiteral("http://site/%1").arg(i));
            insert.addBindValue(visible.at(i));
            insert.addBindValue(DBBase::imageValue(icon));
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }

        // What the menu has always shown: the stored order, the visible
        // rows, a stable case-sensitive sort, the first 21.
        QVector<int> expected;
        for (int i = 0; i < names.size(); ++i)
            if (visible.at(i) == 1)
                expected << i;
        std::stable_sort(expected.begin(), expected.end(), [&names](int a, int b) {
            return QString::compare(names.at(a), names.at(b), Qt::CaseSensitive) < 0;
        });
        expected.resize(qMin(expected.size(), UtilRecordMenu::bookmarkLimit));

        // With the index of new databases, and without it as in older files.
        for (const bool indexed : {true, false}) {
            if (!indexed)
                QVERIFY(TestDatabase::exec(QStringLiteral("DROP INDEX IF EXISTS IdxBookmarkVisibleName")));
            QMenu menu;
            QAction* fixed = menu.addAction(QStringLiteral("Bookmarks"));
            const QList<QAction*> entries = UtilRecordMenu::buildBookmarks(&menu);
            QCOMPARE(entries.size(), expected.size());
            QCOMPARE(menu.actions().size(), 2 + expected.size());
            QCOMPARE(menu.actions().first(), fixed);
            QVERIFY(menu.actions().at(1)->isSeparator());
            for (int i = 0; i < expected.size(); ++i) {
                const int row = expected.at(i);
                QCOMPARE(entries.at(i)->data().toString(), QStringLiteral("http://site/%1").arg(row));
                QCOMPARE(entries.at(i)->text(), QStringLiteral("Title %1").arg(row));
                QCOMPARE(entries.at(i)->icon().pixmap(16).toImage().pixelColor(8, 8), QColor::fromRgb(row, 255 - row, 7));
            }
            // A rebuild replaces the entries instead of adding to them.
            QCOMPARE(UtilRecordMenu::buildBookmarks(&menu).size(), expected.size());
            QCOMPARE(menu.actions().size(), 2 + expected.size());
        }
        QVERIFY(Logger::errors().isEmpty());
    }

    // Names that differ in a character above U+FFFF and one in U+E000 to
    // U+FFFF follow the characters' numbers, as the journal's Name column does.
    void menuOrdersNamesByCharacterNumber()
    {
        const QStringList names{QStringLiteral("\U0001F600"), QStringLiteral("\uFF21"), QStringLiteral("a"),
                                QStringLiteral("\uE000"), QStringLiteral("Z")};
        for (const QString& name : names) {
            DBBookmark bookmark;
            bookmark.setName(name);
            bookmark.setTitle(name);
            bookmark.setVisible(true);
            QVERIFY2(bookmark.save(), qPrintable(bookmark.errorText()));
        }
        QMenu menu;
        QCOMPARE(entryTexts(UtilRecordMenu::buildBookmarks(&menu)),
                 (QStringList{QStringLiteral("Z"), QStringLiteral("a"), QStringLiteral("\uE000"), QStringLiteral("\uFF21"),
                              QStringLiteral("\U0001F600")}));
    }

    void singleBookmarkCommands()
    {
        WidTabManager tabs;
        DelegateBookmarks delegate(&tabs, nullptr);
        QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);

        // An empty page stores nothing and says nothing.
        QVERIFY(!delegate.quickBookmark(QUrl(), QStringLiteral("x"), QPixmap()));
        FakeWebTab::open(tabs, QString(), QStringLiteral("Blank"));
        QVERIFY(!delegate.quickBookmarkCurrentTab());
        QCOMPARE(errors.count() + warnings.count(), 0);

        FakeWebTab::open(tabs, QStringLiteral("http://q.org/"), QStringLiteral("Quick"));
        QVERIFY(delegate.quickBookmarkCurrentTab());
        QCOMPARE(storedNames(), QStringList{QStringLiteral("Quick")});

        FakeWebTab::open(tabs, QStringLiteral("http://d.org/"), QStringLiteral("Dialog"));
        answerTitle(QStringLiteral("ignored"), false);
        QVERIFY(!delegate.bookmarkCurrentTab()); // Cancel
        answerTitle(QStringLiteral("Typed"), true);
        QVERIFY(delegate.bookmarkCurrentTab());
        answerTitle(QString(), true);
        QVERIFY(delegate.bookmarkWithDialog(QUrl(QStringLiteral("http://e.org/")), QStringLiteral("E"), QPixmap()));
        QCOMPARE(storedNames(), (QStringList{QStringLiteral("Quick"), QStringLiteral("Typed"), QStringLiteral("Object")}));
        // A tab's title, or the one typed, is the bookmark's title as well as its name.
        QCOMPARE(storedNames(QStringLiteral("Title = Name")), (QStringList{QStringLiteral("Quick"), QStringLiteral("Typed")}));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Title FROM Bookmark WHERE URL = 'http://e.org/'")).toString(),
                 QString());

        FakeWebTab::open(tabs, QStringLiteral("http://x/"), QStringLiteral("Journal-like"), false);
        QVERIFY(!delegate.quickBookmarkCurrentTab());
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(storedNames().size(), 3);
        QCOMPARE(errors.count(), 0);
    }

    void editorStoresNameTitleAndRebuildsTheMenu()
    {
        QSignalSpy rebuilds(UtilSignalManager::instance(), &UtilSignalManager::onRestoreBookmarksMenu);
        WidBookmarkEditor editor;
        editor.setInit(new Init(-1, nullptr));
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
    }

    void deleteAndLoadFromTheJournal()
    {
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO Bookmark (Name, Title, URL, Visible) VALUES ('One', 'One', 'http://one.org/', 1)")));
        WidTabManager tabs;
        auto* journal = new WidBookmarkJournal;
        tabs.addUniqueTab(journal, nullptr);
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
