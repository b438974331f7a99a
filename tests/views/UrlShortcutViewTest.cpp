#include "FreshDatabaseTest.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBUrlShortcut.h"
#include "views/BaseTable.h"
#include "views/DlgUrlShortcut.h"
#include "views/UtilDialog.h"
#include "views/WidUrlShortcutJournal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTest>

using namespace Vexal;

namespace {

struct Fields
{
    QString name;
    QString shortcut;
    QString url;
};

// Answers every shortcut dialog from its making on: records what it showed,
// types the given fields and accepts (or rejects).
struct DialogScript
{
    int runs = 0;
    Fields shown;
    Fields typed;
    bool accept = true;

    DialogScript()
    {
        UtilDialog::setRunner([this](QDialog* dialog) {
            ++runs;
            auto* shortcutDialog = qobject_cast<DlgUrlShortcut*>(dialog);
            if (!shortcutDialog)
                return int(QDialog::Rejected);
            shown = {shortcutDialog->nameEdit()->text(), shortcutDialog->shortcutEdit()->text(),
                     shortcutDialog->urlEdit()->text()};
            shortcutDialog->nameEdit()->setText(typed.name);
            shortcutDialog->shortcutEdit()->setText(typed.shortcut);
            shortcutDialog->urlEdit()->setText(typed.url);
            return int(accept ? QDialog::Accepted : QDialog::Rejected);
        });
    }
};

// The shortcut journal on a page of its own, loaded.
void openAlone(WidUrlShortcutJournal& journal)
{
    journal.setInit(nullptr);
    journal.open();
}

QString storedValue(const QString& column, int id)
{
    return TestDatabase::value(QStringLiteral("SELECT %1 FROM UrlShortcut WHERE ID = %2").arg(column).arg(id))
        .toString();
}

int rowId(BaseTable* table, int row)
{
    const auto* model = qobject_cast<const QSqlTableModel*>(table->model());
    return model ? model->record(row).value(QStringLiteral("ID")).toInt() : -1;
}

} // namespace

class UrlShortcutViewTest : public FreshDatabaseTest
{
    Q_OBJECT

private slots:
    void addAndEditStoreAtOnceAndResolve()
    {
        WidUrlShortcutJournal journal;
        openAlone(journal);
        BaseTable* table = journal.tableWidget();
        DialogScript script;

        script.typed = {QStringLiteral("Mine"), QStringLiteral("x"), QStringLiteral("http://x.test/")};
        journal.add();
        QCOMPARE(script.runs, 1);
        QCOMPARE(script.shown.url, QStringLiteral("http://www."));
        QCOMPARE(table->model()->rowCount(), 1);
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("x")), QStringLiteral("http://x.test/"));
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("X")), QString());

        // Edit shows the stored values and writes the changed ones back.
        const int id = rowId(table, 0);
        table->selectRow(0);
        script.typed = {QStringLiteral("Mine"), QStringLiteral("x"), QStringLiteral("http://y.test/")};
        journal.edit();
        QCOMPARE(script.runs, 2);
        QCOMPARE(script.shown.name, QStringLiteral("Mine"));
        QCOMPARE(script.shown.shortcut, QStringLiteral("x"));
        QCOMPARE(script.shown.url, QStringLiteral("http://x.test/"));
        QCOMPARE(storedValue(QStringLiteral("URL"), id), QStringLiteral("http://y.test/"));
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 1);
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("x")), QStringLiteral("http://y.test/"));

        // Cancel stores nothing.
        script.accept = false;
        journal.add();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 1);
    }

    void editWithoutSelectionOrReadableRecordOpensNoDialog()
    {
        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO UrlShortcut (Name, Shortcut, URL) VALUES ('n', 'x', 'http://x.test/')")));
        WidUrlShortcutJournal journal;
        openAlone(journal);
        DialogScript script;
        journal.edit();
        QCOMPARE(script.runs, 0);

        // The row goes behind the journal's back: the failed load is reported
        // and nothing is stored in its place.
        journal.tableWidget()->selectRow(0);
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM UrlShortcut")));
        journal.edit();
        QCOMPARE(script.runs, 0);
        QCOMPARE(Logger::errors().size(), 1);
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);
    }

    void deleteReloadsTheCacheWhateverTheAnswer()
    {
        // Defaults stand in for an empty table, in memory only.
        DBCache::reloadShortcuts();
        DBUrlShortcutList defaults;
        defaults.appendDefaults();
        QVERIFY(defaults.count() > 0);
        QCOMPARE(DBCache::resolveShortcut(defaults.at(0)->shortcut()), defaults.at(0)->url());
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);

        QVERIFY(TestDatabase::exec(
            QStringLiteral("INSERT INTO UrlShortcut (Name, Shortcut, URL) VALUES ('n', 'q', 'http://q.test/')")));
        WidUrlShortcutJournal journal;
        openAlone(journal);
        ScriptedPrompt prompt;
        journal.tableWidget()->selectRow(0);
        prompt.answers.enqueue(QMessageBox::No);
        journal.remove();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 1);
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("q")), QStringLiteral("http://q.test/"));

        journal.tableWidget()->selectRow(0);
        prompt.answers.enqueue(QMessageBox::Yes);
        journal.remove();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 0);
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("q")), QString());
    }
};

TESVAR_TEST(UrlShortcutViewTest)
#include "UrlShortcutViewTest.moc"
