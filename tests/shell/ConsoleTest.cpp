#include "TestFolder.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "shell/Notification.h"
#include "shell/WidNotificationBar.h"
#include "shell/WidErrorConsole.h"
#include "shell/WidErrorConsoleToolbar.h"
#include "shell/WidNotificationConsole.h"
#include "shell/WidNotificationConsoleToolbar.h"
#include "texts/ConstIcon.h"
#include "widgets/WidTextEdit.h"

#include <QCommandLinkButton>
#include <QEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest>

using namespace Vexal;

namespace {

QString text(const WidErrorConsole& console)
{
    return console.textEdit()->toPlainText();
}

QList<int> keysShown(const WidNotificationConsole& console)
{
    QList<int> keys;
    for (QCommandLinkButton* button : console.noticeButtons())
        keys << WidNotificationConsole::keyOf(button);
    return keys;
}

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

class ConsoleTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Logger::resetForTests();
        Notification::instance()->clear();
    }
    void cleanup()
    {
        Logger::resetForTests();
        Notification::instance()->clear();
    }

    void errorConsoleShowsAndFiltersTheLists()
    {
        TestFolder folder;
        // The newest failure is an error: the console opens on the errors.
        Logger::warning(QStringLiteral("careful"));
        Logger::error(QStringLiteral("first <b>bold</b> & \u65e5\u672c"));
        Logger::error(QStringLiteral("second"));
        Logger::info(QStringLiteral("noted"));

        WidErrorConsole console;
        console.setInit(nullptr);
        // Markup in a message is shown as text, and no character is lost.
        QVERIFY(text(console).contains(QStringLiteral("first <b>bold</b> & \u65e5\u672c")));
        QVERIFY(text(console).contains(QStringLiteral("second")));
        QVERIFY(!text(console).contains(QStringLiteral("careful")));

        WidErrorConsoleToolbar* bar = console.toolbar();
        bar->slotShowAll();
        QCOMPARE(console.filter(), int(WidErrorConsole::FilterAll));
        for (const char* word : {"first", "second", "careful", "noted"})
            QVERIFY2(text(console).contains(QLatin1String(word)), word);
        bar->slotShowWarnings();
        QVERIFY(text(console).contains(QStringLiteral("careful")));
        QVERIFY(!text(console).contains(QStringLiteral("second")));
        bar->slotShowInfo();
        QVERIFY(text(console).contains(QStringLiteral("noted")));
        QVERIFY(!text(console).contains(QStringLiteral("careful")));

        // New lines show only on Reload, and Reload keeps the filter.
        Logger::info(QStringLiteral("later"));
        QVERIFY(!text(console).contains(QStringLiteral("later")));
        console.reload();
        QVERIFY(text(console).contains(QStringLiteral("later")));
        QCOMPARE(console.filter(), int(WidErrorConsole::FilterInfo));

        // Clear forces the logger's lists empty.
        emit bar->onClear();
        QVERIFY(Logger::allLines().isEmpty());
        QVERIFY(Logger::errors().isEmpty() && Logger::warnings().isEmpty() && Logger::infos().isEmpty());
        QVERIFY(text(console).isEmpty());
        bar->slotShowAll();
        QVERIFY(text(console).isEmpty());
    }

    // Opened, or brought to the front again, the console shows the newest
    // error or warning, which a message may have sent the user to: a list
    // that hides it gives way to the errors (an error) or to all lines (a
    // warning, so the errors before it stay in view). The Current button
    // follows.
    void showsTheNewestFailure_data()
    {
        addColumns<int, QString, int>("filterBefore", "logged", "filterAfter");
        // -1: the console opens after the lines; otherwise it was open on
        // that list and comes to the front after them.
        QTest::newRow("opened after a warning") << -1 << "error warning info" << int(WidErrorConsole::FilterAll);
        QTest::newRow("opened after an error") << -1 << "warning error" << int(WidErrorConsole::FilterErrors);
        QTest::newRow("opened, nothing failed") << -1 << "info" << int(WidErrorConsole::FilterErrors);
        QTest::newRow("errors, then a warning")
            << int(WidErrorConsole::FilterErrors) << "warning" << int(WidErrorConsole::FilterAll);
        QTest::newRow("warnings, then an error")
            << int(WidErrorConsole::FilterWarnings) << "error" << int(WidErrorConsole::FilterErrors);
        QTest::newRow("information, then a warning")
            << int(WidErrorConsole::FilterInfo) << "warning" << int(WidErrorConsole::FilterAll);
        QTest::newRow("warnings, then a warning")
            << int(WidErrorConsole::FilterWarnings) << "warning" << int(WidErrorConsole::FilterWarnings);
        QTest::newRow("all, then an error") << int(WidErrorConsole::FilterAll) << "error" << int(WidErrorConsole::FilterAll);
        QTest::newRow("errors, then information")
            << int(WidErrorConsole::FilterErrors) << "info" << int(WidErrorConsole::FilterErrors);
    }

    void showsTheNewestFailure()
    {
        QFETCH(int, filterBefore);
        QFETCH(QString, logged);
        QFETCH(int, filterAfter);
        TestFolder folder;
        WidErrorConsole console;
        const auto log = [&] {
            for (const QString& kind : logged.split(QLatin1Char(' '))) {
                if (kind == QLatin1String("error"))
                    Logger::error(QStringLiteral("the error"));
                else if (kind == QLatin1String("warning"))
                    Logger::warning(QStringLiteral("the warning"));
                else
                    Logger::info(QStringLiteral("the information"));
            }
        };
        if (filterBefore < 0) {
            log();
            console.setInit(nullptr);
        } else {
            console.setInit(nullptr);
            console.show();
            const QList<void (WidErrorConsoleToolbar::*)()> choose{
                &WidErrorConsoleToolbar::slotShowAll, &WidErrorConsoleToolbar::slotShowErrors,
                &WidErrorConsoleToolbar::slotShowWarnings, &WidErrorConsoleToolbar::slotShowInfo};
            (console.toolbar()->*choose.at(filterBefore))();
            console.hide(); // another tab in front
            log();
            console.show();
        }
        QCOMPARE(console.filter(), filterAfter);
        const QString newest = logged.section(QLatin1Char(' '), -1);
        if (newest != QLatin1String("info"))
            QVERIFY2(text(console).contains(QStringLiteral("the ") + newest), qPrintable(text(console)));
        const QPixmap icons[] = {ConstIcon::all(32), ConstIcon::error(32), ConstIcon::warning(32), ConstIcon::info(32)};
        QCOMPARE(console.toolbar()->currentButton()->icon().pixmap(32).toImage(), icons[filterAfter].toImage());
    }

    void zoomStopsAtFourStepsAndWheelDoesNothing()
    {
        TestFolder folder;
        WidErrorConsole console;
        console.setInit(nullptr);
        WidTextEdit* edit = console.textEdit();
        QSignalSpy warnings(UtilSignalManager::instance(), &UtilSignalManager::onWarning);
        const qreal start = edit->font().pointSizeF();

        for (int i = 0; i < 4; ++i)
            console.zoomIn();
        const qreal zoomed = edit->font().pointSizeF();
        QVERIFY(zoomed > start);
        QCOMPARE(warnings.count(), 0);
        console.zoomIn();
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(edit->font().pointSizeF(), zoomed);
        QCOMPARE(Logger::contextAction(), QStringLiteral("Zoom In"));

        console.zoomReset();
        QCOMPARE(edit->zoomLevel(), 0);
        QCOMPARE(edit->font().pointSizeF(), start);

        // Ctrl with the wheel neither zooms nor scrolls.
        QString lines;
        for (int i = 0; i < 300; ++i)
            lines += QStringLiteral("line %1\n").arg(i);
        edit->setPlainText(lines);
        console.resize(300, 200);
        console.show();
        QScrollBar* bar = edit->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const qreal size = edit->font().pointSizeF();
        QWheelEvent ctrlWheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit->viewport(), &ctrlWheel);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(edit->font().pointSizeF(), size);
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit->viewport(), &wheel);
        QVERIFY(bar->value() > 0);
    }

    void findHonoursDirectionAndCase()
    {
        TestFolder folder;
        WidErrorConsole console;
        console.setInit(nullptr);
        WidTextEdit* edit = console.textEdit();
        edit->setPlainText(QStringLiteral("Alpha alpha ALPHA"));
        edit->moveCursor(QTextCursor::End);
        console.find(QStringLiteral("alpha"), false, true);
        QCOMPARE(edit->textCursor().selectionStart(), 6);
        QCOMPARE(Logger::contextAction(), QStringLiteral("Find"));
        console.find(QStringLiteral("alpha"), false, false);
        QCOMPARE(edit->textCursor().selectionStart(), 0);
        console.find(QStringLiteral("ALPHA"), true, true);
        QCOMPARE(edit->textCursor().selectionStart(), 12);
        QCOMPARE(console.selectedText(), QStringLiteral("ALPHA"));
    }

    void notificationConsoleListsAndRemoves()
    {
        Notification* store = Notification::instance();
        QList<int> keys;
        for (int i = 0; i < 7; ++i)
            keys << store->add(QStringLiteral("notice %1").arg(i));

        WidNotificationConsole console;
        console.setInit(nullptr);
        QCOMPARE(keysShown(console), keys.mid(0, 5));
        console.slotReload();
        console.reload();
        QCOMPARE(console.listLayout()->count(), 6); // a reload does not add the rows again

        // Nothing checked: nothing goes.
        console.remove();
        QCOMPARE(console.noticeButtons().size(), 5);
        QCOMPARE(store->count(), 7);

        // The checked ones leave the store and the view; no reload follows.
        console.noticeButtons().at(1)->setChecked(true);
        console.noticeButtons().at(3)->setChecked(true);
        console.remove();
        QCOMPARE(keysShown(console), (QList<int>{keys[0], keys[2], keys[4]}));
        QCOMPARE(store->count(), 5);
        QVERIFY(!store->notices().contains(keys[1]) && !store->notices().contains(keys[3]));
        console.reload();
        QCOMPARE(keysShown(console), (QList<int>{keys[0], keys[2], keys[4], keys[5], keys[6]}));

        // Select All and Delete through the toolbar signals empty the view.
        QSignalSpy deleted(console.toolbar(), &WidNotificationConsoleToolbar::onDelete);
        emit console.toolbar()->onSelect();
        for (QCommandLinkButton* button : console.noticeButtons())
            QVERIFY(button->isChecked());
        emit console.toolbar()->onDelete();
        QVERIFY(console.noticeButtons().isEmpty());
        QCOMPARE(console.listLayout()->count(), 1);
        QCOMPARE(store->count(), 0);
        QCOMPARE(Logger::contextAction(), QStringLiteral("Delete"));
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

TESVAR_TEST(ConsoleTest)
#include "ConsoleTest.moc"
