#include "FreshDatabaseTest.h"
#include "ScriptedPrompt.h"
#include "TestDatabase.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBUrlShortcutList.h"
#include "data/DBUrlShortcut.h"
#include "views/BaseTable.h"
#include "views/BaseTableModel.h"
#include "views/DlgUrlShortcut.h"
#include "views/UtilDialog.h"
#include "views/WidUrlShortcutJournal.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlRecord>
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
    const auto* model = table->tableModel();
    return model ? model->value(row, QStringLiteral("ID")).toInt() : -1;
}

// Answers the shortcut dialog as a user does: types each shortcut text in
// turn into its field and presses Ok, until the dialog takes one. Records the
// dialog's result after each press.
struct OkScript
{
    QStringList typed;
    QString url = QStringLiteral("http://new.test/");
    QList<int> results;

    OkScript()
    {
        UtilDialog::setRunner([this](QDialog* dialog) {
            auto* shortcutDialog = qobject_cast<DlgUrlShortcut*>(dialog);
            QPushButton* ok = nullptr;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Ok"))
                    ok = button;
            if (!shortcutDialog || !ok)
                return int(QDialog::Rejected);
            shortcutDialog->urlEdit()->setText(url);
            for (const QString& text : qAsConst(typed)) {
                dialog->setResult(QDialog::Rejected);
                shortcutDialog->shortcutEdit()->setText(text);
                ok->click();
                results << dialog->result();
                if (dialog->result() == QDialog::Accepted)
                    break;
            }
            return dialog->result();
        });
    }
};

const QString inUse = QStringLiteral(
    "The shortcut \"%1\" is already used by another URL shortcut. Please, choose another one.");
const QString emptyInUse = QStringLiteral(
    "An empty shortcut field stands for the shortcut \"a\", which is already used by another URL shortcut. "
    "Please, type a shortcut.");

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

    // The location bar only ever loads the first of two shortcuts with one
    // text: Ok refuses a text another shortcut has, says why and keeps the
    // dialog open; a shortcut's own text is no clash.
    void okRefusesATextInUse_data()
    {
        QTest::addColumn<QString>("editing"); // the stored shortcut edited; none: Add
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("results");
        addColumns<QStringList, QString>("warnings", "stored");

        const int no = QDialog::Rejected;
        const int yes = QDialog::Accepted;
        QTest::newRow("add: taken text, then free") << QString() << QStringList{"x", "X"} << QList<int>{no, yes}
                                                   << QStringList{inUse.arg("x")} << "X";
        QTest::newRow("add: empty stands for the taken a")
            << QString() << QStringList{"", "b"} << QList<int>{no, yes} << QStringList{emptyInUse} << "b";
        QTest::newRow("add: a typed out is taken too")
            << QString() << QStringList{"a", "b"} << QList<int>{no, yes} << QStringList{inUse.arg("a")} << "b";
        QTest::newRow("edit: own text unchanged") << "x" << QStringList{"x"} << QList<int>{yes} << QStringList()
                                                 << "x";
        QTest::newRow("edit: another's text, then own")
            << "x" << QStringList{"a", "x"} << QList<int>{no, yes} << QStringList{inUse.arg("a")} << "x";
        QTest::newRow("edit: empty stands for its own a") << "a" << QStringList{""} << QList<int>{yes}
                                                          << QStringList() << "a";
    }

    void okRefusesATextInUse()
    {
        QFETCH(QString, editing);
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, results);
        QFETCH(QStringList, warnings);
        QFETCH(QString, stored);

        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO UrlShortcut (Name, Shortcut, URL) VALUES "
                                                  "('Mine', 'x', 'http://x.test/'), ('Letter a', 'a', 'http://a.test/')")));
        DBCache::reloadShortcuts();
        WidUrlShortcutJournal journal;
        openAlone(journal);
        ScriptedPrompt prompt;
        OkScript script;
        script.typed = typed;
        int id = -1;
        if (editing.isEmpty()) {
            journal.add();
            id = TestDatabase::value(QStringLiteral("SELECT MAX(ID) FROM UrlShortcut")).toInt();
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 3);
        } else {
            BaseTable* table = journal.tableWidget();
            for (int row = 0; row < table->model()->rowCount(); ++row) {
                if (storedValue(QStringLiteral("Shortcut"), rowId(table, row)) == editing) {
                    table->selectRow(row);
                    id = rowId(table, row);
                }
            }
            QVERIFY(id > 0);
            journal.edit();
            QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 2);
        }

        QCOMPARE(script.results, results);
        QStringList shown;
        for (const ScriptedPrompt::Message& message : qAsConst(prompt.messages)) {
            QCOMPARE(message.icon, QMessageBox::Warning);
            shown << message.text;
        }
        QCOMPARE(shown, warnings);
        QCOMPARE(storedValue(QStringLiteral("Shortcut"), id), stored);
        QCOMPARE(storedValue(QStringLiteral("URL"), id), QStringLiteral("http://new.test/"));
        // The location bar hears of the change at once; the other shortcut stays.
        QCOMPARE(DBCache::resolveShortcut(stored), QStringLiteral("http://new.test/"));
        if (stored != QStringLiteral("x"))
            QCOMPARE(DBCache::resolveShortcut(QStringLiteral("x")), QStringLiteral("http://x.test/"));
    }

    // Empty fields are stored as their stand-ins.
    void emptyFieldsGetTheirStandIns()
    {
        WidUrlShortcutJournal journal;
        openAlone(journal);
        DialogScript script;
        journal.add();
        QCOMPARE(TestDatabase::rowCount(QStringLiteral("UrlShortcut")), 1);
        const int id = TestDatabase::value(QStringLiteral("SELECT ID FROM UrlShortcut")).toInt();
        QCOMPARE(storedValue(QStringLiteral("Name"), id), QStringLiteral("Object"));
        QCOMPARE(storedValue(QStringLiteral("Shortcut"), id), QStringLiteral("a"));
        QCOMPARE(storedValue(QStringLiteral("URL"), id), ConstApp::homeUrl());
        QCOMPARE(DBCache::resolveShortcut(QStringLiteral("a")), ConstApp::homeUrl());
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
