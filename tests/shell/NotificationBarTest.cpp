#include "TestRunner.h"

#include "shell/WidNotificationBar.h"

#include <QCommandLinkButton>
#include <QCoreApplication>
#include <QEvent>
#include <QtTest>

using namespace Vexal;

namespace {

const int shortDelay = 40;

void enter(QWidget* widget)
{
    QEvent event(QEvent::Enter);
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class NotificationBarTest : public QObject
{
    Q_OBJECT

private slots:
    // Warnings go by themselves; a security notice stays until clicked.
    void kindsSetTheAutoHideFlag()
    {
        WidNotificationBar bar;
        bar.init();
        bar.showWarning(QStringLiteral("w"));
        QVERIFY(bar.isAutoHide());
        bar.showSecurity(QStringLiteral("New updates 日本"));
        QCOMPARE(bar.button()->text(), QStringLiteral("New updates 日本"));
        QVERIFY(!bar.isAutoHide());
        QVERIFY(!bar.isTimerRunning());
    }

    void clickHidesEveryKind()
    {
        WidNotificationBar bar;
        bar.init();
        bar.showError(QStringLiteral("e"));
        bar.button()->click();
        QVERIFY(bar.isHidden());
        QVERIFY(!bar.isTimerRunning());
        bar.showSecurity(QStringLiteral("s"));
        bar.button()->click();
        QVERIFY(bar.isHidden());
        QVERIFY(bar.isAutoHide());
    }

    void errorHidesAfterDelayUnlessHovered()
    {
        WidNotificationBar bar;
        bar.init();
        bar.setHideDelay(shortDelay);
        bar.showError(QStringLiteral("e"));
        QVERIFY(bar.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(bar.isHidden(), 2000);

        bar.showError(QStringLiteral("e2"));
        enter(&bar);
        QVERIFY(!bar.isTimerRunning());
        QTest::qWait(shortDelay * 3);
        QVERIFY(bar.isVisible());
        leave(&bar);
        QVERIFY(bar.isTimerRunning());
        QTRY_VERIFY_WITH_TIMEOUT(bar.isHidden(), 2000);
    }

    // A notice that stays until clicked is not hidden by the timer of the
    // auto-hiding notice it replaced, nor by hovering.
    void securityNoticeOutlivesEarlierTimer()
    {
        WidNotificationBar bar;
        bar.init();
        bar.setHideDelay(shortDelay);
        bar.showError(QStringLiteral("e"));
        bar.showSecurity(QStringLiteral("You have new notifications."));
        QTest::qWait(shortDelay * 4);
        QVERIFY(bar.isVisible());
        enter(&bar);
        leave(&bar);
        QVERIFY(!bar.isTimerRunning());
        QTest::qWait(shortDelay * 2);
        QVERIFY(bar.isVisible());

        // Closing returns to auto-hiding notices.
        bar.handleClose();
        bar.showInfo(QStringLiteral("i"));
        QTRY_VERIFY_WITH_TIMEOUT(bar.isHidden(), 2000);
    }
};

TESVAR_TEST(NotificationBarTest)
#include "NotificationBarTest.moc"
