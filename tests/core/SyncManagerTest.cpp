#include "TestRunner.h"

#include "core/SyncManager.h"
#include "core/TooltipManager.h"

#include <QAction>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using Vexal::SyncManager;
using Vexal::TooltipManager;

class SyncManagerTest : public QObject
{
    Q_OBJECT
private slots:
    // An id may carry an action, a widget or both; only the action is
    // consulted for the state, and an id without one reads as off.
    void actionsAndWidgetsFollowTheirId()
    {
        SyncManager sync;
        QAction both(nullptr);
        QWidget bothButton;
        QAction action(nullptr);
        QWidget button;
        sync.addAction(2, &both);
        sync.addWidget(2, &bothButton);
        sync.addAction(10, &action);
        sync.addWidget(1, &button);

        sync.setEnabled(2, false);
        QVERIFY(!both.isEnabled() && !bothButton.isEnabled() && !sync.isEnabled(2));
        sync.setEnabled(2, true);
        QVERIFY(both.isEnabled() && bothButton.isEnabled() && sync.isEnabled(2));

        sync.setEnabled(10, false);
        QVERIFY(!action.isEnabled());
        QVERIFY(button.isEnabled());
        sync.setEnabled(1, false);
        QVERIFY(!button.isEnabled());
        button.setEnabled(true);
        QVERIFY(!sync.isEnabled(1));
        QVERIFY(!sync.isEnabled(99));
        sync.setEnabled(99, true);
    }

    // A second entry under an id replaces the first; deleted entries are
    // passed over and leave the id off.
    void reRegistrationReplacesAndDeletedEntriesAreSkipped()
    {
        SyncManager sync;
        QAction first(nullptr);
        QAction second(nullptr);
        sync.addAction(3, &first);
        sync.addAction(3, &second);
        sync.setEnabled(3, false);
        QVERIFY(first.isEnabled() && !second.isEnabled());

        auto* action = new QAction(nullptr);
        auto* button = new QWidget;
        sync.addAction(11, action);
        sync.addWidget(11, button);
        delete action;
        delete button;
        sync.setEnabled(11, true);
        QVERIFY(!sync.isEnabled(11));
    }

    // Toggling moves each button's text between tooltip and label, and a
    // button deleted meanwhile is passed over.
    void toggleMovesTextBetweenTooltipAndText()
    {
        QToolBar bar;
        TooltipManager tooltips;
        QList<QToolButton*> buttons;
        for (const QString& text : {QStringLiteral("Add"), QStringLiteral("Edit")}) {
            auto* button = new QToolButton(&bar);
            button->setToolTip(text);
            tooltips.addButton(button);
            buttons << button;
        }
        tooltips.addButton(nullptr);
        tooltips.toggle();
        QCOMPARE(buttons[1]->text(), QStringLiteral("Edit"));
        QVERIFY(buttons[1]->toolTip().isEmpty());
        tooltips.toggle();
        QCOMPARE(buttons[1]->toolTip(), QStringLiteral("Edit"));
        QVERIFY(buttons[1]->text().isEmpty());

        delete buttons.takeFirst();
        tooltips.toggle();
        QCOMPARE(buttons[0]->text(), QStringLiteral("Edit"));
    }
};

TESVAR_TEST(SyncManagerTest)
#include "SyncManagerTest.moc"
