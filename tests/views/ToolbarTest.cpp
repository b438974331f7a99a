#include "TestDatabase.h"
#include "TestRunner.h"

#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBProjectList.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "views/BaseEditorToolbar.h"
#include "views/BaseJournalToolbar.h"
#include "views/WidProjectComboBox.h"

#include <QHBoxLayout>
#include <QImage>
#include <QSignalSpy>

#include <memory>
#include <QTest>
#include <QToolButton>

namespace LocaleBaseWidget = Vexal::LocaleBaseWidget;

namespace {

QList<QToolButton*> buttons(QWidget& bar)
{
    QList<QToolButton*> result;
    QHBoxLayout* layout = qobject_cast<QHBoxLayout*>(bar.layout());
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* button = qobject_cast<QToolButton*>(layout->itemAt(i)->widget()))
            result << button;
    }
    return result;
}

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

class ToolbarTest : public QObject
{
    Q_OBJECT
private slots:
    // A fresh bar offers only Tooltips; each command button follows its id
    // in the sync manager and reaches the bar's signal only while enabled.
    void buttonsFollowTheSyncManager()
    {
        Vexal::SyncManager sync;
        Vexal::BaseJournalToolbar bar(&sync);
        bar.build();
        const QList<QToolButton*> all = buttons(bar);
        QVERIFY(all.at(0)->isEnabled());
        for (int i = 1; i < all.size(); ++i)
            QVERIFY2(!all.at(i)->isEnabled(), qPrintable(all.at(i)->toolTip()));
        const int ids[] = {1, 2, 3, 11, 12, 10};
        const char* signalNames[] = {SIGNAL(onAdd()), SIGNAL(onEdit()), SIGNAL(onDelete()),
                                     SIGNAL(onFilter()), SIGNAL(onRemoveFilter()), SIGNAL(onReload())};
        for (int i = 0; i < 6; ++i) {
            sync.setEnabled(ids[i], true);
            QVERIFY(all.at(i + 1)->isEnabled());
            QSignalSpy spy(&bar, signalNames[i]);
            all.at(i + 1)->click();
            QCOMPARE(spy.count(), 1);
        }
        sync.setEnabled(1, false);
        QVERIFY(!all.at(1)->isEnabled());

        Vexal::BaseEditorToolbar editorBar(&sync);
        editorBar.build();
        QToolButton* save = buttons(editorBar).at(0);
        QSignalSpy saves(&editorBar, &Vexal::BaseEditorToolbar::onSave);
        save->click();
        sync.setEnabled(18, true);
        save->click();
        QCOMPARE(saves.count(), 1);
    }

    void tooltipsToggleOnlyItsOwnBar()
    {
        Vexal::SyncManager sync;
        Vexal::BaseJournalToolbar bar(&sync);
        Vexal::BaseJournalToolbar other(&sync);
        bar.build();
        other.build();
        QToolButton* add = buttons(bar).at(1);
        buttons(bar).at(0)->click();
        QCOMPARE(add->text(), LocaleBaseWidget::add());
        QCOMPARE(add->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(buttons(other).at(1)->text(), QString());

        bar.slotTooltips();
        for (QToolButton* button : buttons(bar)) {
            QCOMPARE(button->text(), QString());
            QVERIFY(!button->toolTip().isEmpty());
        }
    }

    // Disabled buttons draw their icons grey: Visible and Hidden must differ
    // by shape, not only by colour.
    void visibleAndHiddenIconsDifferInShape()
    {
        const QImage visible = Vexal::ConstIcon::check(32).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage hidden = Vexal::ConstIcon::checkRed(32).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(visible.size(), hidden.size());
        int differing = 0;
        for (int y = 0; y < visible.height(); ++y) {
            for (int x = 0; x < visible.width(); ++x)
                differing += (qAlpha(visible.pixel(x, y)) > 127) != (qAlpha(hidden.pixel(x, y)) > 127);
        }
        QVERIFY2(differing > visible.width() * visible.height() / 10, qPrintable(QString::number(differing)));
    }

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

        // Unsorted fill keeps the list's order; a reload replaces the items.
        box.fill(std::make_unique<Vexal::DBProjectList>(), false);
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

TESVAR_TEST(ToolbarTest)
#include "ToolbarTest.moc"
