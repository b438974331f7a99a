#include "FreshStateTest.h"
#include "ProjectArea.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "shell/BaseTabObject.h"
#include "texts/LocaleBaseWidget.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Vexal;

namespace {

QToolButton* saveButton(TestProjectEditor& editor)
{
    const QList<QToolButton*> buttons = editor.findChildren<QToolButton*>();
    for (QToolButton* button : buttons)
        if (button->toolTip() == LocaleBaseWidget::save() || button->text() == LocaleBaseWidget::save())
            return button;
    return nullptr;
}

int projects() { return TestDatabase::rowCount(DBSql::tableProject()); }

} // namespace

class EditorTest : public FreshStateTest
{
    Q_OBJECT

private slots:
    void newRecordInsertsOnceThenUpdates()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        TestProjectEditor editor;
        editor.setInit(new Init(-1, nullptr));
        QVERIFY(saveButton(editor));
        QCOMPARE(editor.title(), QStringLiteral("Project New"));
        QVERIFY(editor.isModified());
        QVERIFY(saveButton(editor)->isEnabled());
        QCOMPARE(editor.urlEdit->text(), LocaleBaseWidget::urlPrefix()); // the new record's default

        QSignalSpy state(editor.tabObject(), &BaseTabObject::onStateChanged);
        editor.nameEdit->setText(QStringLiteral("Shop"));
        editor.save();
        QCOMPARE(projects(), 1);
        QVERIFY(!editor.isModified());
        QVERIFY(!saveButton(editor)->isEnabled());
        QCOMPARE(editor.title(), QStringLiteral("Project: Shop"));
        QCOMPARE(state.count(), 1);
        const int id = editor.init()->id();
        QVERIFY(id > 0);

        editor.urlEdit->setText(QStringLiteral("http://shop.example/"));
        QVERIFY(editor.isModified());
        QVERIFY(saveButton(editor)->isEnabled());
        editor.save();
        QCOMPARE(projects(), 1); // the second save updates the same row
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT URL FROM Project WHERE ID = %1").arg(id)).toString(),
                 QStringLiteral("http://shop.example/"));
    }

    void storedRecordOpensCleanAndKeepsHiddenColumns()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "INSERT INTO Project (ID, Name, Comments, Active, URL) VALUES (7, 'Kept', 'notes', 1, 'http://k/')")));
        TestProjectEditor editor;
        editor.setInit(new Init(7, nullptr));
        QCOMPARE(editor.title(), QStringLiteral("Project: Kept"));
        QCOMPARE(editor.urlEdit->text(), QStringLiteral("http://k/"));
        QVERIFY(editor.activeBox->isChecked());
        QVERIFY(!editor.isModified()); // filling does not mark it
        QVERIFY(!saveButton(editor)->isEnabled());

        editor.save(); // clean: nothing happens
        QVERIFY(Logger::errors().isEmpty());

        // Changed behind the editor's back: the save starts from the stored row,
        // so a column the form does not show keeps its stored value.
        QVERIFY(TestDatabase::exec(QStringLiteral("UPDATE Project SET Comments = 'changed' WHERE ID = 7")));
        editor.activeBox->setChecked(false);
        editor.save();
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Comments FROM Project WHERE ID = 7")).toString(),
                 QStringLiteral("changed"));
        QCOMPARE(TestDatabase::value(QStringLiteral("SELECT Active FROM Project WHERE ID = 7")).toInt(), 0);
    }

    void missingRecordIsReportedAndStaysDirty()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        const QString dbo = LocaleBaseWidget::invalidObjectState(QStringLiteral("dbo"));
        {
            TestProjectEditor editor; // opened on a row that does not exist
            editor.setInit(new Init(42, nullptr));
            QVERIFY(!editor.isModified());
            QVERIFY(Logger::errors().last().contains(dbo));
        }
        Logger::resetForTests();
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (8, 'Gone', 0)")));
        TestProjectEditor editor;
        editor.setInit(new Init(8, nullptr));
        editor.nameEdit->setText(QStringLiteral("Renamed"));
        QVERIFY(TestDatabase::exec(QStringLiteral("DELETE FROM Project WHERE ID = 8")));
        editor.save();
        QVERIFY(!Logger::errors().isEmpty());
        QVERIFY(Logger::errors().last().contains(dbo));
        QVERIFY(Logger::errors().last().contains(QStringLiteral("TestProjectEditor.")));
        QVERIFY(editor.isModified());
        QVERIFY(saveButton(editor)->isEnabled());
        QCOMPARE(projects(), 0); // nothing re-inserted
        QCOMPARE(editor.nameEdit->text(), QStringLiteral("Renamed"));
    }

    void rowDeletedWhileSavingFailsAndKeepsTheEdits()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name, Active) VALUES (9, 'Shop', 0)")));
        TestProjectEditor editor;
        editor.setInit(new Init(9, nullptr));
        editor.nameEdit->setText(QStringLiteral("Renamed"));
        // Another job deletes the row after the editor has read it back and
        // just before its update runs.
        QVERIFY(TestDatabase::exec(QStringLiteral(
            "CREATE TEMP TRIGGER deletedMeanwhile BEFORE UPDATE ON Project BEGIN "
            "DELETE FROM Project WHERE ID = OLD.ID; END;")));
        editor.save();
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TRIGGER deletedMeanwhile;")));

        QVERIFY(!Logger::errors().isEmpty());
        QVERIFY(Logger::errors().last().contains(QStringLiteral("The result set is empty.")));
        QVERIFY(Logger::errors().last().contains(QStringLiteral("UPDATE Project SET Name = :Name")));
        QVERIFY(editor.isModified());
        QVERIFY(saveButton(editor)->isEnabled());
        QCOMPARE(editor.nameEdit->text(), QStringLiteral("Renamed"));
        QCOMPARE(editor.title(), QStringLiteral("Project: Shop"));
        QCOMPARE(projects(), 0);
    }
};

TESVAR_TEST(EditorTest)
#include "EditorTest.moc"
