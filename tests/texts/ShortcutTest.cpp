#include "TestRunner.h"

#include "texts/UtilKeySequence.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using Vexal::UtilKeySequence;

class ShortcutTest : public QObject
{
    Q_OBJECT
private slots:
    void standardKeysTakeTheFirstBinding()
    {
#define CHECK_STANDARD(name, key)                                                               \
    QVERIFY2(UtilKeySequence::name() == QKeySequence::keyBindings(QKeySequence::key).value(0),  \
             #name);
        VEXAL_STANDARD_KEYS(CHECK_STANDARD)
#undef CHECK_STANDARD
        QCOMPARE(UtilKeySequence::newTab(), QKeySequence(QKeySequence::AddTab));
        QCOMPARE(UtilKeySequence::add(), QKeySequence(QKeySequence::New));
        QCOMPARE(UtilKeySequence::deleteItem(), QKeySequence(QKeySequence::Delete));
        QCOMPARE(UtilKeySequence::reload(), QKeySequence(QKeySequence::Refresh));
        QCOMPARE(UtilKeySequence::onlineHelp(), QKeySequence(QKeySequence::HelpContents));
    }

    void textKeysParse()
    {
#define CHECK_TEXT(name, text)                                                                  \
    QVERIFY2(UtilKeySequence::name().count() == 1, #name);                                      \
    QCOMPARE(UtilKeySequence::name().toString(QKeySequence::PortableText), QStringLiteral(text));
        VEXAL_TEXT_KEYS(CHECK_TEXT)
#undef CHECK_TEXT
        QCOMPARE(UtilKeySequence::closeWindow(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
        QCOMPARE(UtilKeySequence::stop(), QKeySequence(Qt::Key_Escape));
        QCOMPARE(UtilKeySequence::homePage(), QKeySequence(Qt::ALT | Qt::Key_Home));
        QCOMPARE(UtilKeySequence::clearRecentHistory(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
        QCOMPARE(UtilKeySequence::zoomInAlternate(), QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(UtilKeySequence::menuBar(), QKeySequence(Qt::Key_F10));
        QCOMPARE(UtilKeySequence::reloadTree(), QKeySequence(Qt::SHIFT | Qt::Key_F5));
    }

    void emptyKeysClearEarlierShortcut()
    {
        QAction action(nullptr);
#define CHECK_EMPTY(name)                                     \
    QVERIFY2(UtilKeySequence::name().isEmpty(), #name);       \
    action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));   \
    action.setShortcut(UtilKeySequence::name());              \
    QVERIFY2(action.shortcut().isEmpty(), #name);
        VEXAL_EMPTY_KEYS(CHECK_EMPTY)
#undef CHECK_EMPTY
    }

    void windowLevelKeysWorkWithoutMenus()
    {
        QMainWindow window;
        QMenu* view = window.menuBar()->addMenu(QStringLiteral("View"));
        QAction* menuAction = view->addAction(QStringLiteral("Menu Bar"));
        auto* windowAction = new QAction(&window);
        window.addAction(windowAction);
        auto* zoomIn = new QAction(&window);
        zoomIn->setShortcut(UtilKeySequence::zoomInAlternate());
        window.addAction(zoomIn);

        UtilKeySequence::assignMenuBarKeys(menuAction, windowAction, true);
        QCOMPARE(menuAction->shortcut(), UtilKeySequence::menuBar());
        QVERIFY(windowAction->shortcut().isEmpty());

        window.menuBar()->hide();
        UtilKeySequence::assignMenuBarKeys(menuAction, windowAction, false);
        QVERIFY(menuAction->shortcut().isEmpty());
        QCOMPARE(windowAction->shortcut(), UtilKeySequence::menuBar());
        UtilKeySequence::assignMenuBarKeys(nullptr, nullptr, true);

        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QSignalSpy menuBarKey(windowAction, &QAction::triggered);
        QTest::keyClick(&window, Qt::Key_F10);
        QCOMPARE(menuBarKey.count(), 1);

        QSignalSpy zoomKey(zoomIn, &QAction::triggered);
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(zoomKey.count(), 1);
    }
};

TESVAR_TEST(ShortcutTest)
#include "ShortcutTest.moc"
