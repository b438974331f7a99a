#include "TestRunner.h"

#include "widgets/WidDNDList.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedPointer>
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

class DragListTest : public QObject
{
    Q_OBJECT

private slots:
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

TESVAR_TEST(DragListTest)
#include "DragListTest.moc"
