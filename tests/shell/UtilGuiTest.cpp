#include "TestRunner.h"

#include "ScriptedPrompt.h"
#include "core/UserData.h"
#include "texts/Utils.h"
#include "widgets/UtilGui.h"
#include "widgets/WidDNDList.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QtTest>

using namespace Vexal;

namespace {

// Records the drags instead of running the platform's drag loop.
class RecordingList : public WidDNDList
{
public:
    QStringList dragged;

protected:
    void execDrag(QMimeData* mime) override
    {
        dragged << mime->text();
        delete mime;
    }
};

void mouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
           Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class UtilGuiTest : public QObject
{
    Q_OBJECT

private slots:
    // Tab and menu texts: cut with "..." to the width, padded when asked,
    // "Untitled" for none; no character is lost or broken.
    void elideText()
    {
        const struct { QString text; int max; bool pad; QString expected; } cases[] = {
            {"1234567", 10, false, "1234567"},
            {"1234567", 10, true, "1234567   "},
            {"12345678", 10, true, "1234567..."},
            {"123456789012", 10, false, "1234567..."},
            {"", 11, false, "Untitled"},
            {"", 10, false, "Untitle..."},
            {QString::fromUtf8("日本語のページ題名です"), 8, false, QString::fromUtf8("日本語のペ...")},
            {QString::fromUtf8("a\0b", 3), 10, false, QString::fromUtf8("a\0b", 3)},
        };
        for (const auto& c : cases)
            QCOMPARE(Utils::elideText(c.text, c.max, c.pad), c.expected);
    }

    // Empty tags go, everything else is kept as typed.
    void normalizeTags()
    {
        const QPair<QString, QString> cases[] = {
            {",a,,b,", "a,b"},
            {"a, b", "a, b"},
            {",,,", ""},
            {QString::fromUtf8("ä,,日本,тег"), QString::fromUtf8("ä,日本,тег")},
            {QString::fromUtf8("a\0x,,b", 6), QString::fromUtf8("a\0x,b", 5)},
        };
        for (const auto& c : cases)
            QCOMPARE(Utils::normalizeTags(c.first), c.second);
    }

    void comboBoxHelpers()
    {
        QComboBox* none = nullptr;
        QCOMPARE(UtilGui::currentItemId(none), -1);
        QCOMPARE(UtilGui::currentItemData(none), QString());
        UtilGui::selectItemById(none, 1);
        UtilGui::removeItemById(none, 1);

        QComboBox box;
        box.addItem(QStringLiteral("none"), -1);
        box.addItem(QStringLiteral("seven"), 7);
        box.addItem(QStringLiteral("nine"), 9);
        box.addItem(QStringLiteral("text"), QStringLiteral("日本"));
        UtilGui::selectItemById(&box, 9);
        QCOMPARE(UtilGui::currentItemId(&box), 9);
        QCOMPARE(UtilGui::currentItemData(&box), QStringLiteral("9"));
        UtilGui::selectItemById(&box, 42);
        QCOMPARE(box.currentIndex(), 0);
        UtilGui::selectItemByData(&box, QStringLiteral("日本"));
        QCOMPARE(box.currentIndex(), 3);
        QCOMPARE(UtilGui::currentItemId(&box), -1); // not a number

        UtilGui::selectItemById(&box, 7);
        UtilGui::removeItemById(&box, 7);
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.currentIndex(), 0);
        // Removing another item keeps the current one.
        UtilGui::selectItemById(&box, 9);
        UtilGui::removeItemById(&box, -1);
        QCOMPARE(UtilGui::currentItemId(&box), 9);
        UtilGui::removeItemByData(&box, QStringLiteral("unknown"));
        QCOMPARE(box.count(), 2);
        QCOMPARE(UtilGui::currentItemId(&box), 9);
    }

    void removeMarkedActionsKeepsFixedOnes()
    {
        QMenu menu;
        QAction* first = menu.addAction(QStringLiteral("first"));
        QPointer<QAction> marked = menu.addAction(QStringLiteral("marked"));
        UserData::attach(marked, UserData());
        QAction* middle = menu.addAction(QStringLiteral("middle"));
        QPointer<QMenu> subMenu = menu.addMenu(QStringLiteral("folder"));
        subMenu->addAction(QStringLiteral("inside"));
        UserData::attach(subMenu, UserData());
        QPointer<QAction> markedTwice = menu.addAction(QStringLiteral("marked 2"));
        UserData::attach(markedTwice, UserData(3, QStringLiteral("x")));
        QAction* last = menu.addAction(QStringLiteral("last"));

        UtilGui::removeMarkedActions(&menu);
        QCOMPARE(menu.actions(), (QList<QAction*>{first, middle, last}));
        QVERIFY(!marked);
        QVERIFY(!subMenu);
        QVERIFY(!markedTwice);
        UtilGui::removeMarkedActions(nullptr);
    }

    // Closing the box (no answer) counts as No.
    void closedQuestionCountsAsNo()
    {
        ScriptedPrompt prompt;
        QVERIFY(!UtilGui::question(nullptr, QStringLiteral("Delete?")));
        prompt.answers.enqueue(QMessageBox::No);
        QVERIFY(!UtilGui::question(nullptr, QStringLiteral("Delete?")));
        prompt.answers.enqueue(QMessageBox::Yes);
        QVERIFY(UtilGui::question(nullptr, QStringLiteral("Delete?")));
    }

    void onlyLongLeftMovesStartDrags()
    {
        RecordingList list;
        list.resize(200, 200);
        QListWidgetItem* item = new QListWidgetItem(QStringLiteral("Display"), &list);
        item->setData(Qt::UserRole, QStringLiteral("v"));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QWidget* viewport = list.viewport();
        const QPoint start = list.visualItemRect(item).center();
        const QPoint far = start + QPoint(QApplication::startDragDistance() + 2, 0);

        // Right button held: nothing.
        mouse(viewport, QEvent::MouseButtonPress, start, Qt::RightButton, Qt::RightButton);
        mouse(viewport, QEvent::MouseMove, far, Qt::NoButton, Qt::RightButton);
        mouse(viewport, QEvent::MouseButtonRelease, far, Qt::RightButton, Qt::NoButton);
        QVERIFY(list.dragged.isEmpty());

        // Short left move: only the selection.
        mouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(list.currentItem(), item);
        mouse(viewport, QEvent::MouseMove, start + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
        QVERIFY(list.dragged.isEmpty());

        // Long left move: one drag of the value.
        mouse(viewport, QEvent::MouseMove, far, Qt::NoButton, Qt::LeftButton);
        mouse(viewport, QEvent::MouseButtonRelease, far, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(list.dragged, QStringList{QStringLiteral("v")});

        // An item with no value starts nothing.
        item->setData(Qt::UserRole, QString());
        mouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        mouse(viewport, QEvent::MouseMove, far, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(list.dragged.size(), 1);
    }
};

TESVAR_TEST(UtilGuiTest)
#include "UtilGuiTest.moc"
