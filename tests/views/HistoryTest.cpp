#include "FileSizeLimit.h"
#include "FreshDatabaseTest.h"
#include "SpyTexts.h"
#include "TestDatabase.h"
#include "TestRunner.h"
#include "JournalDriver.h"
#include "FakeWebTab.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UserData.h"
#include "core/UtilSignalManager.h"
#include "core/DBSql.h"
#include "shell/WidTabManager.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"
#include "views/BaseTableModel.h"
#include "data/DBHistory.h"
#include "views/DelegateHistory.h"
#include "views/DlgCleanHistory.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "views/UtilRecordMenu.h"
#include "views/WidHistoryEditor.h"
#include "views/WidHistoryJournal.h"
#include "views/WidHistoryTable.h"
#include "views/WidHistoryTree.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>

using namespace Vexal;

namespace {

const QString stamp = QStringLiteral("yyyy-MM-ddThh:mm:ss");

bool addVisit(const QString& url, const QString& createDate, const QString& title = QStringLiteral("t"))
{
    QSqlQuery query;
    query.prepare(QStringLiteral("INSERT INTO History (Name, Comments, Title, URL, CreateDate) "
                                 "VALUES (:Name, '', :Title, :URL, :CreateDate)"));
    query.bindValue(QStringLiteral(":Name"), title);
    query.bindValue(QStringLiteral(":Title"), title);
    query.bindValue(QStringLiteral(":URL"), url);
    query.bindValue(QStringLiteral(":CreateDate"), createDate);
    return query.exec();
}

QStringList remainingUrls()
{
    QStringList urls;
    QSqlQuery query(QStringLiteral("SELECT URL FROM History ORDER BY URL"));
    while (query.next())
        urls << query.value(0).toString();
    return urls;
}

QStringList shownUrls(WidHistoryJournal* journal)
{
    QStringList urls;
    BaseTableModel* model = journal->tableWidget()->tableModel();
    for (int row = 0; row < model->rowCount(); ++row)
        urls << model->value(row, DBSql::colURL()).toString();
    urls.sort();
    return urls;
}

// Runs the clean-history dialog with the given choices.
void answerCleanHistory(int index, int hours, bool singleSite, const QString& host = QString(),
                        bool accept = true)
{
    JournalDriver::answerDialogs<DlgCleanHistory>(
        [=](DlgCleanHistory* clean) {
            clean->periodBox->setCurrentIndex(index);
            clean->hoursBox->setValue(hours);
            if (singleSite != clean->hostCheck->isChecked())
                clean->hostCheck->click();
            if (!host.isNull())
                clean->hostEdit->setText(host);
        },
        accept);
}

} // namespace

class HistoryTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void periodsFilterTheJournal()
    {
        const QDate today = QDate::currentDate();
        const auto at = [](const QDate& day, const char* time) -> QString {
            return day.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('T') + QLatin1String(time);
        };
        QVERIFY(addVisit(QStringLiteral("a-today"), at(today, "00:00:01")));
        QVERIFY(addVisit(QStringLiteral("b-yesterday-late"), at(today.addDays(-1), "23:59:59")));
        QVERIFY(addVisit(QStringLiteral("c-yesterday-early"), at(today.addDays(-1), "00:00:00")));
        QVERIFY(addVisit(QStringLiteral("d-five-days"), at(today.addDays(-5), "12:00:00")));
        QVERIFY(addVisit(QStringLiteral("e-eight-days"), at(today.addDays(-8), "12:00:00")));
        QVERIFY(addVisit(QStringLiteral("f-two-months"), at(today.addMonths(-2), "12:00:00")));

        WidTabManager tabs;
        DelegateHistory delegate(&tabs, nullptr);
        const int index = delegate.history();
        auto* journal = dynamic_cast<WidHistoryJournal*>(tabs.pageAt(index));
        QVERIFY(journal);
        // A second History command focuses the open journal.
        QCOMPARE(delegate.history(), index);

        WidHistoryTree* tree = journal->historyTree();
        QCOMPARE(tree->topLevelItemCount(), 4);
        QCOMPARE(shownUrls(journal), QStringList{QStringLiteral("a-today")});

        // Each period shows its visits; back to Today, the Yesterday
        // condition is off again.
        const QPair<QTreeWidgetItem*, QStringList> periods[] = {
            {tree->yesterdayItem, {"b-yesterday-late", "c-yesterday-early"}},
            {tree->lastWeekItem, {"a-today", "b-yesterday-late", "c-yesterday-early", "d-five-days"}},
            {tree->lastMonthItem, {"a-today", "b-yesterday-late", "c-yesterday-early", "d-five-days", "e-eight-days"}},
            {tree->todayItem, {"a-today"}},
        };
        for (const auto& period : periods) {
            tree->setCurrentItem(period.first);
            QCOMPARE(shownUrls(journal), period.second);
        }
        QCOMPARE(journal->tableWidget()->filterCollection()->whereText().count(QStringLiteral(" AND ")), 0);
        QVERIFY(Logger::errors().isEmpty());
    }

    void lastMonthClampsTheDay()
    {
        WidTabManager tabs;
        auto* journal = new WidHistoryJournal;
        tabs.addUniqueTab(journal, nullptr);
        WidHistoryTable* table = journal->historyTable();
        QVERIFY(table->setPeriod(WidHistoryTree::PeriodLastMonth, QDate(2024, 3, 31)));
        QCOMPARE(table->dateFilter->value().toDate(), QDate(2024, 2, 29));
        QVERIFY(table->setPeriod(WidHistoryTree::PeriodYesterday, QDate(2024, 3, 1)));
        QCOMPARE(table->filterCollection()->whereText(),
                 QStringLiteral("CreateDate <= '2024-03-01' AND CreateDate >= '2024-02-29'"));
    }

    void listedPagesAreReopened()
    {
        QVERIFY(addVisit(QStringLiteral("http://127.0.0.1/visit"),
                         QDateTime::currentDateTime().toString(stamp), QStringLiteral("Visited Page")));
        WidTabManager tabs;
        auto* journal = new WidHistoryJournal;
        tabs.addUniqueTab(journal, nullptr);
        BaseTable* table = journal->tableWidget();
        QCOMPARE(table->model()->rowCount(), 1);

        QSignalSpy loads(UtilSignalManager::instance(), &UtilSignalManager::onLoad);
        journal->slotLoad(); // nothing selected
        QCOMPARE(loads.count(), 0);
        table->selectRow(0);
        QVERIFY(journal->syncManagerObject()->isEnabled(WidHistoryTable::CommandLoad));
        journal->slotLoad();
        QCOMPARE(loads.count(), 1);
        QCOMPARE(loads.first().at(0).toUrl(), QUrl(QStringLiteral("http://127.0.0.1/visit")));
        QCOMPARE(loads.first().at(1).toBool(), true);
    }

    void recentMenuListsTheNewestVisits()
    {
        const QDateTime start = QDateTime::currentDateTime().addDays(-3);
        for (int i = 0; i < 25; ++i)
            QVERIFY(addVisit(QStringLiteral("http://site/%1").arg(i), start.addSecs(i * 60).toString(stamp),
                             i == 24 ? QString() : i == 23 ? QStringLiteral("Tom & Jerry") : QStringLiteral("Visit %1").arg(i)));

        QMenu menu;
        QAction* fixed = menu.addAction(QStringLiteral("Clear Recent History"));
        for (int pass = 0; pass < 2; ++pass) {
            const QList<QAction*> entries = UtilRecordMenu::buildRecentHistory(&menu);
            QCOMPARE(entries.size(), 20);
            QCOMPARE(menu.actions().size(), 22); // fixed, separator, 20 entries
            QCOMPARE(menu.actions().first(), fixed);
            QVERIFY(menu.actions().at(1)->isSeparator());
            // Newest first; the untitled newest reads "Untitled".
            QCOMPARE(entries.first()->data().toString(), QStringLiteral("http://site/24"));
            QCOMPARE(entries.first()->text(), LocaleBase::untitled());
            // A page title's '&' shows as written, not as an accelerator.
            QCOMPARE(entries.at(1)->iconText(), QStringLiteral("Tom & Jerry"));
            QCOMPARE(entries.last()->data().toString(), QStringLiteral("http://site/5"));
            QVERIFY(UserData::isAttached(entries.first()));
        }
    }

    void cleanDialogFollowsTheChoices()
    {
        DlgCleanHistory dialog;
        dialog.build(nullptr);
        dialog.periodBox->setCurrentIndex(4);
        QCOMPARE(dialog.hours(), DlgCleanHistory::maxHours);
        const int before = qMax(1, QTime::currentTime().hour());
        dialog.periodBox->setCurrentIndex(3);
        const int after = qMax(1, QTime::currentTime().hour());
        QVERIFY(dialog.hours() == before || dialog.hours() == after);

        dialog.setUrl(QUrl(QStringLiteral("http://www.example.org/path?q=1")));
        QCOMPARE(dialog.hostEdit->text(), QStringLiteral("www.example.org"));
        QCOMPARE(dialog.host(), QString()); // not checked
        dialog.hostCheck->click();
        QVERIFY(dialog.hostEdit->isEnabled());
        QCOMPARE(dialog.host(), QStringLiteral("www.example.org"));
    }

    void clearByPeriod()
    {
        const QDateTime now = QDateTime::currentDateTime();
        const auto fill = [&] {
            QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM History")));
            QVERIFY(addVisit(QStringLiteral("a-30-minutes"), now.addSecs(-1800).toString(stamp)));
            QVERIFY(addVisit(QStringLiteral("b-3-hours"), now.addSecs(-3 * 3600).toString(stamp)));
            QVERIFY(addVisit(QStringLiteral("c-yesterday"), now.addDays(-1).toString(stamp)));
            QVERIFY(addVisit(QStringLiteral("d-11-years"), now.addYears(-11).toString(stamp)));
        };
        WidTabManager tabs;
        DelegateHistory delegate(&tabs, nullptr);

        // Last Hour, Last Four Hours, Everything (older than ten years is
        // kept), Custom (two days), and Cancel; Everything under a file-size
        // limit fails, keeps every row and names its cause on the bar.
        const struct { int period; int hours; bool accept; QStringList kept; bool limited = false; } cases[] = {
            {0, 1, true, {"b-3-hours", "c-yesterday", "d-11-years"}},
            {2, 1, true, {"c-yesterday", "d-11-years"}},
            {4, 1, true, {"d-11-years"}},
            {5, 48, true, {"d-11-years"}},
            {4, 1, false, {"a-30-minutes", "b-3-hours", "c-yesterday", "d-11-years"}},
            {4, 1, true, {"a-30-minutes", "b-3-hours", "c-yesterday", "d-11-years"}, true},
        };
        for (const auto& c : cases) {
            fill();
            answerCleanHistory(c.period, c.hours, false, QString(), c.accept);
            QSignalSpy errors(UtilSignalManager::instance(), &UtilSignalManager::onError);
            auto limit = c.limited ? std::make_unique<FileSizeLimit>(1) : nullptr;
            QCOMPARE(delegate.clearRecentHistory(), c.accept && !c.limited);
            limit.reset();
            QCOMPARE(remainingUrls(), c.kept);
            QCOMPARE(spyTexts(errors), c.limited ? QStringList{LocaleMessage::operationFailedBecause(
                                                       QString::fromLocal8Bit(std::strerror(EFBIG)))}
                                                 : QStringList());
            QCOMPARE(Logger::errors().isEmpty(), !c.limited);
        }
    }

    void clearByHostDeletesOnlyThatHost()
    {
        const QString when = QDateTime::currentDateTime().addSecs(-60).toString(stamp);
        const QStringList urls{QStringLiteral("http://a.com/"),    QStringLiteral("http://b%c.com/"),
                               QStringLiteral("http://b_c.com/"),  QStringLiteral("http://bxc.com/"),
                               QStringLiteral("http://o'neil.com/"), QStringLiteral("http://me@mail.com/")};
        const auto fill = [&] {
            QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM History")));
            for (const QString& url : urls)
                QVERIFY(addVisit(url, when));
        };
        WidTabManager tabs;
        DelegateHistory delegate(&tabs, nullptr);
        const auto clearHost = [&](const QString& host) {
            fill();
            answerCleanHistory(4, 1, true, host);
            const bool ok = delegate.clearRecentHistory();
            QStringList gone = urls;
            for (const QString& url : remainingUrls())
                gone.removeAll(url);
            return ok ? gone : QStringList{QStringLiteral("failed")};
        };

        QCOMPARE(clearHost(QStringLiteral("b%c")), QStringList{QStringLiteral("http://b%c.com/")});
        QCOMPARE(clearHost(QStringLiteral("b_c")), QStringList{QStringLiteral("http://b_c.com/")});
        QCOMPARE(clearHost(QStringLiteral("o'neil")), QStringList{QStringLiteral("http://o'neil.com/")});
        QCOMPARE(clearHost(QStringLiteral("@")), QStringList{QStringLiteral("http://me@mail.com/")});
        QCOMPARE(clearHost(QStringLiteral("x' OR '1'='1")), QStringList());
        QCOMPARE(clearHost(QStringLiteral("%")), QStringList{QStringLiteral("http://b%c.com/")});
        // No host typed: the current web tab's is offered.
        FakeWebTab::open(tabs, QStringLiteral("http://bxc.com/other"));
        QCOMPARE(clearHost(QString()), QStringList{QStringLiteral("http://bxc.com/")});
        QVERIFY(Logger::errors().isEmpty());
    }

    void editorWritesTitleIntoNameAndTitle()
    {
        WidHistoryEditor editor;
        editor.setInit(new Init(-1, nullptr));
        editor.titleEdit->setText(QStringLiteral("Edited"));
        editor.urlEdit->setText(QStringLiteral("http://edited.org/"));
        editor.save();
        QVERIFY(!editor.isModified());
        const int id = editor.init()->id();
        QVERIFY(id > 0);
        QCOMPARE(editor.idEdit->text(), QString::number(id));

        DBHistory stored(nullptr);
        QVERIFY(stored.load(id));
        QCOMPARE(stored.name(), QStringLiteral("Edited"));
        QCOMPARE(stored.title(), QStringLiteral("Edited"));
        QCOMPARE(stored.url(), QStringLiteral("http://edited.org/"));

        // A stored row without an icon gets the page icon on its next save.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE History SET Icon = NULL")));
        WidHistoryEditor second;
        second.setInit(new Init(id, nullptr));
        second.urlEdit->setText(QStringLiteral("http://again.org/"));
        second.save();
        QVERIFY(stored.load(id));
        QVERIFY(!stored.icon().isNull());
        QCOMPARE(stored.url(), QStringLiteral("http://again.org/"));
    }
};

TESVAR_TEST(HistoryTest)
#include "HistoryTest.moc"
