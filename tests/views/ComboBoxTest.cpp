#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBProjectList.h"
#include "texts/LocaleMessage.h"
#include "views/WidProjectComboBox.h"

#include <QSignalSpy>
#include <QTest>

namespace {

void addProjects(const QStringList& names, int id = 10)
{
    for (const QString& name : names)
        QVERIFY(TestDatabase::exec(QStringLiteral("INSERT INTO Project (ID, Name) VALUES (%1, '%2')").arg(id++).arg(name)));
}

QStringList itemTexts(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

} // namespace

class ComboBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void projectsSortedCaseSensitively()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        addProjects({"b", "A", "a", "b"});
        Vexal::WidProjectComboBox box;
        box.reload();
        QCOMPARE(itemTexts(box), QStringList({"A", "a", "b", "b"}));
        QVERIFY(box.hasSelection());
        QCOMPARE(box.currentId(), 11);
        // Duplicate names differ only by their IDs.
        QCOMPARE(QSet<int>({box.itemData(2).toInt(), box.itemData(3).toInt()}), QSet<int>({10, 13}));

        box.setCurrentId(13);
        QCOMPARE(box.currentText(), QStringLiteral("b"));
        QCOMPARE(box.currentId(), 13);
        box.selectNext(); // last item: stays
        QCOMPARE(box.currentId(), 13);
        box.setCurrentId(999);
        QCOMPARE(box.currentIndex(), 0);
        box.selectPrevious(); // first item: stays
        QCOMPARE(box.currentIndex(), 0);
        box.selectNext();
        QCOMPARE(box.currentIndex(), 1);
        box.selectPrevious();
        QCOMPARE(box.currentIndex(), 0);

        // Unsorted fill keeps the list's order; a reload replaces the items.
        Vexal::DBProjectList list;
        box.fill(&list, false);
        QCOMPARE(box.count(), 4);
        QCOMPARE(box.currentIndex(), 0);
    }

    void emptyAndFailedLists()
    {
        TestDatabase db;
        QVERIFY(db.isOpen());
        Vexal::WidProjectComboBox box;
        box.reload();
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.currentId(), -1);
        QVERIFY(!box.hasSelection());
        box.setCurrentId(1);
        box.selectNext();
        box.selectPrevious();
        QCOMPARE(box.currentIndex(), -1);

        addProjects({"p"});
        box.reload();
        QCOMPARE(box.count(), 1);
        box.fill(nullptr, true);
        QCOMPARE(box.count(), 0);

        addProjects({"q"}, 20);
        box.reload();
        QVERIFY(TestDatabase::exec(QStringLiteral("DROP TABLE Project")));
        Vexal::Logger::resetForTests();
        QSignalSpy errors(Vexal::UtilSignalManager::instance(), &Vexal::UtilSignalManager::onError);
        box.reload();
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.currentId(), -1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), Vexal::LocaleMessage::unexpectedError());
        QCOMPARE(Vexal::Logger::errors().size(), 1);
        QVERIFY(Vexal::Logger::errors().last().contains(QStringLiteral("Project")));
    }
};

TESVAR_TEST(ComboBoxTest)
#include "ComboBoxTest.moc"
