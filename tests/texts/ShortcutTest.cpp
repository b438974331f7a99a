#include "TestRunner.h"

#include "texts/UtilKeySequence.h"

#include <QAction>
#include <QTest>

using Vexal::UtilKeySequence;

class ShortcutTest : public QObject
{
    Q_OBJECT
private slots:
    // A standard key may have several bindings on a platform: the menus show
    // the first; a written key that does not parse to one chord is no key.
    void keysParseToOneChord()
    {
#define CHECK_STANDARD(name, key)                                                               \
    QVERIFY2(UtilKeySequence::name() == QKeySequence::keyBindings(QKeySequence::key).value(0),  \
             #name);
        VEXAL_STANDARD_KEYS(CHECK_STANDARD)
#undef CHECK_STANDARD
#define CHECK_TEXT(name, text)                                                                  \
    QVERIFY2(UtilKeySequence::name().count() == 1, #name);                                      \
    QCOMPARE(UtilKeySequence::name().toString(QKeySequence::PortableText), QStringLiteral(text));
        VEXAL_TEXT_KEYS(CHECK_TEXT)
#undef CHECK_TEXT
    }

    // The menu-bar key sits on exactly one of the two actions, so that it
    // still works while the menu bar is hidden.
    void menuBarKeyMovesWithTheMenuBar()
    {
        QAction menuAction(nullptr);
        QAction windowAction(nullptr);
        UtilKeySequence::assignMenuBarKeys(&menuAction, &windowAction, true);
        QCOMPARE(menuAction.shortcut(), UtilKeySequence::menuBar());
        QVERIFY(windowAction.shortcut().isEmpty());
        UtilKeySequence::assignMenuBarKeys(&menuAction, &windowAction, false);
        QVERIFY(menuAction.shortcut().isEmpty());
        QCOMPARE(windowAction.shortcut(), UtilKeySequence::menuBar());
        UtilKeySequence::assignMenuBarKeys(nullptr, nullptr, true);
    }
};

TESVAR_TEST(ShortcutTest)
#include "ShortcutTest.moc"
