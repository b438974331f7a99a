#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/ConstCore.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBUrlShortcut.h"
#include "shell/WidFind.h"
#include "shell/WidGotoLine.h"
#include "shell/WidLocationBar.h"
#include "shell/WidLocationEdit.h"
#include "shell/WidNavigationBar.h"
#include "shell/WidReplace.h"
#include "shell/WidSearchBar.h"
#include "shell/WidSearchEdit.h"
#include "shell/WidStatusBar.h"
#include "texts/ConstIcon.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <QUrlQuery>
#include <QVBoxLayout>

using namespace Vexal;

namespace {

bool sameIcon(const QIcon& icon, const QPixmap& pixmap)
{
    return icon.pixmap(16).toImage() == QIcon(pixmap).pixmap(16).toImage();
}

QAction* engineAction(WidSearchBar& bar, int code)
{
    for (QAction* action : bar.engineMenu()->actions())
        if (action->data().toInt() == code)
            return action;
    return nullptr;
}

} // namespace

class NavigationBarTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        WidSearchBar::setCurrentEngine(ConstCore::EngineWeb);
        DBCache::reset();
    }

    void typedTextBecomesAddressOrSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QUrl>("address"); // empty: searched for

        QTest::newRow("empty: home page") << QString() << QUrl(ConstApp::homeUrl());
        QTest::newRow("shortcut with a dot, taken as stored")
            << QStringLiteral("my.short") << QUrl(QStringLiteral("127.0.0.1/short"));
        QTest::newRow("shortcut letter case differs")
            << QStringLiteral("My.Short") << QUrl(QStringLiteral("http://my.short"));
        QTest::newRow("host and path") << QStringLiteral("127.0.0.1/page.html")
                                       << QUrl(QStringLiteral("http://127.0.0.1/page.html"));
        QTest::newRow("host and port") << QStringLiteral("localhost:8080")
                                       << QUrl(QStringLiteral("http://localhost:8080"));
        QTest::newRow("local file") << QStringLiteral("/tmp/some file.html")
                                    << QUrl::fromLocalFile(QStringLiteral("/tmp/some file.html"));
        QTest::newRow("two words") << QStringLiteral("two words") << QUrl();
        QTest::newRow("dot but no address") << QStringLiteral("a.b c") << QUrl();
        QTest::newRow("non-Latin words") << QStringLiteral("привет мир") << QUrl();
    }

    void typedTextBecomesAddressOrSearch()
    {
        QFETCH(QString, text);
        QFETCH(QUrl, address);

        TestDatabase db;
        QVERIFY(db.isOpen());
        DBUrlShortcut shortcut;
        shortcut.setName(QStringLiteral("Loop"));
        shortcut.setShortcut(QStringLiteral("my.short"));
        shortcut.setUrl(QStringLiteral("127.0.0.1/short"));
        QVERIFY(shortcut.save());
        DBCache::reloadShortcuts();

        WidNavigationBar bar;
        bar.build();
        QSignalSpy load(&bar, &WidNavigationBar::onLoad);
        QSignalSpy search(bar.locationBar(), &WidLocationBar::onSearch);
        WidLocationEdit* edit = bar.locationBar()->locationEdit();
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(load.count(), 1);
        const QUrl loaded = load.at(0).at(0).toUrl();
        if (address.isEmpty()) {
            QCOMPARE(search.count(), 1);
            QCOMPARE(search.at(0).at(0).toString(), text);
            QCOMPARE(bar.searchBar()->searchEdit()->text(), text);
            QCOMPARE(loaded, bar.searchBar()->queryUrl(text));
        } else {
            QCOMPARE(search.count(), 0);
            QCOMPARE(loaded, address);
        }
    }

    // Every engine puts the typed words, whatever they hold, into one query
    // value; only the URLs are built, nothing is loaded.
    void searchUrlsKeepWordsInOneValue()
    {
        WidSearchBar bar;
        bar.build();
        const QStringList words{ QStringLiteral("C++ #1 AT&T"), QStringLiteral("Ünïcødé 東京 привет"),
                                 QStringLiteral("100% a+b=c?/x;y %1 %2") };
        for (int engine : { 2, 4, 8, 16, 32 }) {
            bar.setEngine(engine);
            for (const QString& text : words) {
                const QUrl url = bar.queryUrl(text);
                QVERIFY2(url.isValid() && !url.host().isEmpty() && !url.hasFragment(), qPrintable(url.toString()));
                QCOMPARE(QUrlQuery(url).queryItems(QUrl::FullyDecoded).first().second, text);
            }
        }
    }

    // Each engine of the menu searches its own service: the address of the
    // words typed after choosing it has that service's host, path and key.
    void everyEngineSearchesItsOwnService_data()
    {
        addColumns<int, QString, QString, QString>("code", "menuText", "host", "path");
        QTest::addColumn<QStringList>("keys"); // the words' key first, then the fixed ones

        QTest::newRow("2") << 2 << "Google" << "www.google.com" << "/search"
                           << QStringList{"q", "ie", "oe", "aq", "rls", "client"};
        QTest::newRow("4") << 4 << "Yahoo" << "search.yahoo.com" << "/search" << QStringList{"p", "ei", "fr"};
        QTest::newRow("8") << 8 << "Amazon" << "www.amazon.com" << "/exec/obidos/external-search/"
                           << QStringList{"field-keywords", "mode", "tag", "sourceid"};
        QTest::newRow("16") << 16 << "Answers" << "www.answers.com" << "/main/ntquery" << QStringList{"s", "gwp"};
        QTest::newRow("32") << 32 << "Wikipedia" << "en.wikipedia.org" << "/wiki/Special:Search"
                            << QStringList{"search", "sourceid"};
    }

    void everyEngineSearchesItsOwnService()
    {
        QFETCH(int, code);
        QFETCH(QString, menuText);
        QFETCH(QString, host);
        QFETCH(QString, path);
        QFETCH(QStringList, keys);

        const QString words = QStringLiteral("blue & green");
        const auto search = [&words](WidSearchBar& bar) {
            QSignalSpy load(&bar, &WidSearchBar::onLoad);
            bar.searchEdit()->setText(words);
            QTest::keyClick(bar.searchEdit(), Qt::Key_Return);
            return load.count() == 1 ? load.at(0).at(0).toUrl() : QUrl();
        };

        // Chosen in the menu.
        WidSearchBar bar;
        bar.build();
        QAction* entry = engineAction(bar, code);
        QVERIFY(entry);
        QCOMPARE(entry->text(), menuText);
        entry->trigger();
        QCOMPARE(WidSearchBar::currentEngine(), code);
        const QUrl chosen = search(bar);
        // Restored from the stored code, as after a restart.
        WidSearchBar::setCurrentEngine(code == 32 ? 2 : 32);
        WidSearchBar::setCurrentEngine(code);
        WidSearchBar restored;
        restored.build();
        const QUrl restoredUrl = search(restored);

        for (const QUrl& url : { chosen, restoredUrl }) {
            QCOMPARE(url.scheme(), QStringLiteral("http"));
            QCOMPARE(url.host(), host);
            QCOMPARE(url.path(), path);
            const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
            QStringList found;
            for (const auto& item : items)
                found << item.first;
            QCOMPARE(found, keys);
            QCOMPARE(items.first().second, words);
        }
    }

    void engineChoiceReachesEveryBar()
    {
        QSignalSpy hub(UtilSignalManager::instance(), &UtilSignalManager::onUpdateSearchEngine);
        WidSearchBar first;
        first.build();
        WidSearchBar second;
        second.build();
        QCOMPARE(WidSearchBar::currentEngine(), 2);
        QCOMPARE(first.queryTemplate(), ConstCore::searchTemplate(2));

        engineAction(first, 32)->trigger();
        QCOMPARE(hub.count(), 1);
        QCOMPARE(hub.at(0).at(0).toInt(), 32);
        QCOMPARE(WidSearchBar::currentEngine(), 32);
        for (WidSearchBar* bar : { &first, &second }) {
            QCOMPARE(bar->queryTemplate(), ConstCore::searchTemplate(32));
            QVERIFY(sameIcon(bar->engineButton()->icon(), ConstIcon::wikipedia(32)));
        }
        WidSearchBar later;
        later.build();
        QCOMPARE(later.queryTemplate(), ConstCore::searchTemplate(32));

        // An unknown code changes nothing anywhere.
        UtilSignalManager::instance()->emitUpdateSearchEngine(7);
        QCOMPARE(WidSearchBar::currentEngine(), 32);
        QCOMPARE(second.queryTemplate(), ConstCore::searchTemplate(32));
    }

    void searchFieldAndEngineButton()
    {
        WidSearchBar bar;
        bar.build();
        QSignalSpy load(&bar, &WidSearchBar::onLoad);

        bar.search(QString());
        bar.engineButton()->click(); // empty field
        QTest::keyClick(bar.searchEdit(), Qt::Key_Enter);
        QCOMPARE(load.count(), 0);

        bar.searchEdit()->setText(QStringLiteral("other"));
        bar.engineButton()->click();
        QTest::keyClick(bar.searchEdit(), Qt::Key_Enter);
        QCOMPARE(load.count(), 2);
        QCOMPARE(load.at(0).at(0).toUrl(), bar.queryUrl(QStringLiteral("other")));
        QCOMPARE(load.at(1).at(0).toUrl(), bar.queryUrl(QStringLiteral("other")));
        QCOMPARE(bar.searchEdit()->text(), QStringLiteral("other")); // the key reached the field too
    }

    // What the page reports never overwrites what the user is typing.
    void addressKeepsTheUsersText()
    {
        QWidget window;
        auto* bar = new WidNavigationBar(&window);
        bar->build();
        auto* elsewhere = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(bar);
        layout->addWidget(elsewhere);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WidLocationEdit* location = bar->locationBar()->locationEdit();
        const auto address = [](const char* path) { return QUrl(QStringLiteral("http://127.0.0.1/") + QLatin1String(path)); };

        bar->setUrl(address("first"));
        QCOMPARE(location->text(), address("first").toString());

        // The field has the focus: nothing replaces its text.
        location->setFocus();
        QVERIFY(location->hasFocus());
        bar->setUrl(address("title-tick"));
        QCOMPARE(location->text(), address("first").toString());

        // Typing, then more reports from the page, then leaving the field.
        location->selectAll();
        QTest::keyClicks(location, QStringLiteral("127.0.0.1/typed"));
        for (const char* path : {"tick-1", "tick-2", "tick-3"})
            bar->setUrl(address(path));
        QCOMPARE(location->text(), QStringLiteral("127.0.0.1/typed"));
        elsewhere->setFocus();
        bar->setUrl(address("tick-4"));
        QCOMPARE(location->text(), QStringLiteral("127.0.0.1/typed"));

        // Enter loads what was typed; the address it leads to may show.
        QSignalSpy load(bar, &WidNavigationBar::onLoad);
        location->setFocus();
        QTest::keyClick(location, Qt::Key_Return);
        QCOMPARE(load.count(), 1);
        QCOMPARE(load.at(0).at(0).toUrl(), address("typed"));
        bar->setUrl(address("typed"));
        QCOMPARE(location->text(), address("typed").toString());

        // Escape drops an edit and shows the page's address.
        QTest::keyClicks(location, QStringLiteral("x"));
        bar->setUrl(address("third"));
        QCOMPARE(location->text(), address("typed").toString() + QLatin1Char('x'));
        QTest::keyClick(location, Qt::Key_Escape);
        QCOMPARE(location->text(), address("third").toString());

        // Left without an edit, the field shows the latest address.
        bar->setUrl(address("fourth"));
        QCOMPARE(location->text(), address("third").toString());
        elsewhere->setFocus();
        QCOMPARE(location->text(), address("fourth").toString());

        // Open Location (Ctrl+L) selects the whole text even when the field
        // has the focus already, so a paste replaces the old address; the
        // search field alike.
        bar->focusLocation();
        QVERIFY(location->hasFocus());
        QCoreApplication::processEvents();
        location->setCursorPosition(3);
        QVERIFY(location->selectedText().isEmpty());
        bar->focusLocation();
        QCOMPARE(location->selectedText(), location->text());
        WidSearchEdit* words = bar->searchBar()->searchEdit();
        words->setText(QStringLiteral("some words"));
        bar->focusSearch();
        QCoreApplication::processEvents();
        words->setCursorPosition(2);
        bar->focusSearch();
        QCOMPARE(words->selectedText(), words->text());
    }

    // Find and Replace stay silent while the search field is empty; then each
    // key and button reaches its signal with the direction and Match Case.
    void findAndReplaceEmitOnlyWithText()
    {
        WidFind find;
        find.init();
        WidReplace replace;
        replace.init();
        replace.replaceEdit()->setText(QStringLiteral("x"));
        QSignalSpy found(&find, &WidFind::onFind);
        QSignalSpy replaced(&replace, &WidReplace::onReplace);
        QSignalSpy replacedAll(&replace, &WidReplace::onReplaceAll);
        const auto pressAll = [&] {
            for (WidTextFindBase* bar : {static_cast<WidTextFindBase*>(&find), static_cast<WidTextFindBase*>(&replace)}) {
                QTest::keyClick(bar->edit(), Qt::Key_Return);
                bar->previousButton()->click();
                bar->nextButton()->click();
            }
            QTest::keyClick(replace.replaceEdit(), Qt::Key_Enter);
            replace.replaceAllButton()->click();
        };
        pressAll();
        QCOMPARE(found.count() + replaced.count() + replacedAll.count(), 0);

        find.edit()->setText(QStringLiteral("abc"));
        replace.edit()->setText(QStringLiteral("a\u00e9"));
        replace.matchCase()->setChecked(true); // toggling alone emits nothing
        pressAll();
        const QString text = QStringLiteral("a\u00e9");
        const QString with = QStringLiteral("x");
        QCOMPARE(QList<QVariantList>(found), (QList<QVariantList>{{"abc", true, false}, {"abc", false, false},
                                                                 {"abc", true, false}}));
        QCOMPARE(QList<QVariantList>(replaced), (QList<QVariantList>{{text, with, true, true}, {text, with, false, true},
                                                                    {text, with, true, true}, {text, with, true, true}}));
        QCOMPARE(QList<QVariantList>(replacedAll), (QList<QVariantList>{{text, with, true}}));
        QCOMPARE(Logger::contextClassName(), QStringLiteral("Vexal::WidReplace"));
        QCOMPARE(Logger::contextAction(), QStringLiteral("Replace All"));
    }

    void selectAllToggles()
    {
        WidFind bar;
        bar.init();
        QSignalSpy spy(&bar, &WidFind::onFindAll);
        const QStringList typed{"abc", "abc", "abd", "", "abd"};
        for (const QString& text : typed) {
            bar.edit()->setText(text);
            bar.selectAllButton()->click();
        }
        QStringList emitted;
        for (const QVariantList& args : spy)
            emitted << args.at(0).toString();
        QCOMPARE(emitted, (QStringList{"abc", "", "abd", "", "abd"}));
        QCOMPARE(bar.lastFindAll(), QStringLiteral("abd"));

        // The remembered text survives hiding the bar.
        bar.hide();
        bar.selectAllButton()->click();
        QCOMPARE(spy.last().at(0).toString(), QString());
        QCOMPARE(Logger::contextAction(), QStringLiteral("Select All"));
    }

    void gotoLineEmitsEveryValue()
    {
        WidGotoLine bar;
        bar.init();
        QSignalSpy spy(&bar, &WidGotoLine::onGotoLine);
        bar.goButton()->click();
        bar.spinBox()->setValue(20000);
        QTest::keyClick(bar.spinBox(), Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        bar.goButton()->click();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(spy.at(1).at(0).toInt(), 10000);
    }

    // A hovered link is page text: it shows as written, never as markup.
    void statusBarShowsLinksAsPlainText()
    {
        WidStatusBar bar;
        bar.init();
        bar.setLinkText(QStringLiteral("http://127.0.0.1/<b>x</b>"));
        QCOMPARE(bar.linkLabel()->text(), QStringLiteral("http://127.0.0.1/<b>x</b>"));
        QCOMPARE(bar.linkLabel()->textFormat(), Qt::PlainText);
    }
};

TESVAR_TEST(NavigationBarTest)
#include "NavigationBarTest.moc"
