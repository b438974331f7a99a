#include "TestRunner.h"

#include "texts/LocaleDialog.h"
#include "views/DqlFilter.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"
#include "views/WidBoolFilter.h"
#include "views/WidDateTimeFilter.h"
#include "views/WidFloatFilter.h"
#include "views/WidIntFilter.h"
#include "views/WidStringFilter.h"
#include "widgets/DlgBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace Vexal;

namespace {

SqlFilter* addFilter(SqlFilterCollection& filters, int type, const QString& column)
{
    auto* filter = new SqlFilter(&filters);
    filter->setType(type);
    filter->setColumn(column);
    filter->setHeader(column + QStringLiteral(" header"));
    filter->setDefaultValue();
    if (SqlFilter::isTextKind(type))
        filter->setOperator(SqlFilter::Contains);
    filters.addFilter(filter);
    return filter;
}

QStringList operatorItems(const WidFilterBase* row)
{
    QStringList items;
    for (int i = 0; i < row->operatorBox()->count(); ++i)
        items << QStringLiteral("%1:%2").arg(row->operatorBox()->itemText(i)).arg(row->operatorBox()->itemData(i).toInt());
    return items;
}

void chooseOperator(WidFilterBase* row, int code)
{
    row->operatorBox()->setCurrentIndex(row->operatorBox()->findData(code));
}

// Text, integer (two rows), bool and a kind without a row.
void fillCollection(SqlFilterCollection& filters)
{
    addFilter(filters, 0, "Name");
    addFilter(filters, 1, "ID");
    addFilter(filters, 1, "ID");
    addFilter(filters, 7, "Raw");
    addFilter(filters, 5, "Visible");
    auto* fixed = new SqlFilter(&filters);
    fixed->setType(1);
    fixed->setOperator(1);
    fixed->setColumn("(Type & 4)");
    fixed->setValue(0);
    fixed->setEnabled(true);
    filters.addFixedFilter(fixed);
}

// Counts the validations; Ok passes only while allowed.
class RecordingDialog : public Vexal::DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    bool allow = true;
    int validations = 0;

    QPushButton* ok() const { return m_okButton; }
    QPushButton* cancel() const { return m_cancelButton; }

protected:
    bool validate() override
    {
        ++validations;
        return allow;
    }
};

} // namespace

class FilterDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void rowsFollowTheFilters()
    {
        SqlFilterCollection filters;
        fillCollection(filters);
        filters.filterAt(2)->setOperator(SqlFilter::LessOrEqual);
        filters.filterAt(2)->setValue(7);
        filters.filterAt(2)->setEnabled(true);
        filters.filterAt(0)->setOperator(42); // unknown: the first item stays

        DqlFilter dlg;
        dlg.build(&filters);
        QCOMPARE(dlg.rowCount(), 4); // no row for the raw kind

        const WidFilterBase* text = dlg.rowAt(0);
        QCOMPARE(operatorItems(text), QStringList({"Like:2", "Starts With:3", "Ends With:4", "Equals:0",
                                                   "Does Not Equal:1"}));
        QCOMPARE(text->operatorBox()->currentText(), QStringLiteral("Like"));
        QVERIFY(!text->enabledBox()->isChecked());

        auto* number = qobject_cast<WidIntFilter*>(dlg.rowAt(1));
        QCOMPARE(operatorItems(number), QStringList({"=:0", "<>:1", "<:7", "<=:8", ">:5", ">=:6"}));
        QCOMPARE(number->operatorBox()->currentText(), QStringLiteral("="));
        QCOMPARE(number->valueWidget()->maximum(), 99);
        number->valueWidget()->setValue(150);
        QCOMPARE(number->valueWidget()->value(), 99);

        auto* upper = qobject_cast<WidIntFilter*>(dlg.rowAt(2));
        // The range's second row names no column again; its operators stand
        // under the first row's.
        QVERIFY(!number->headerEdit()->isHidden());
        QVERIFY(upper->headerEdit()->isHidden());
        QVERIFY(upper->headerEdit()->sizePolicy().retainSizeWhenHidden());
        QVERIFY(!text->headerEdit()->isHidden() && !dlg.rowAt(3)->headerEdit()->isHidden());
        QVERIFY(upper->enabledBox()->isChecked());
        QCOMPARE(upper->operatorBox()->currentText(), QStringLiteral("<="));
        QCOMPARE(upper->valueWidget()->value(), 7);

        QCOMPARE(operatorItems(dlg.rowAt(3)), QStringList({"=:0"}));
    }

    void acceptStoresEveryRow()
    {
        SqlFilterCollection filters;
        fillCollection(filters);
        DqlFilter dlg;
        dlg.build(&filters);

        auto* text = qobject_cast<WidStringFilter*>(dlg.rowAt(0));
        text->enabledBox()->setChecked(true);
        text->valueWidget()->setText(QStringLiteral("O'Brien"));
        auto* from = qobject_cast<WidIntFilter*>(dlg.rowAt(1));
        from->enabledBox()->setChecked(true);
        chooseOperator(from, SqlFilter::GreaterOrEqual);
        from->valueWidget()->setValue(5);
        auto* to = qobject_cast<WidIntFilter*>(dlg.rowAt(2));
        to->enabledBox()->setChecked(true);
        chooseOperator(to, SqlFilter::LessOrEqual);
        to->valueWidget()->setValue(9);
        auto* flag = qobject_cast<WidBoolFilter*>(dlg.rowAt(3));
        flag->enabledBox()->setChecked(true);

        // Nothing reaches the filters before Accept.
        QCOMPARE(filters.whereText(), QStringLiteral("(Type & 4) <> 0"));
        for (QPushButton* button : dlg.findChildren<QPushButton*>()) {
            if (button->text() == LocaleDialog::ok())
                button->click();
        }
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(filters.whereText(), QStringLiteral("(Type & 4) <> 0 AND Name like '%O''Brien%' AND ID >= 5 "
                                                     "AND ID <= 9 AND Visible = 0"));

        // A second dialog shows what was stored.
        DqlFilter again;
        again.build(&filters);
        QCOMPARE(qobject_cast<WidStringFilter*>(again.rowAt(0))->valueWidget()->text(), QStringLiteral("O'Brien"));
        QCOMPARE(again.rowAt(1)->operatorBox()->currentText(), QStringLiteral(">="));
    }

    void cancelChangesNothing()
    {
        SqlFilterCollection filters;
        fillCollection(filters);
        DqlFilter dlg;
        dlg.build(&filters);
        dlg.rowAt(0)->enabledBox()->setChecked(true);
        qobject_cast<WidStringFilter*>(dlg.rowAt(0))->valueWidget()->setText(QStringLiteral("x"));
        chooseOperator(dlg.rowAt(1), SqlFilter::Greater);
        dlg.slotReject();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(filters.whereText(), QStringLiteral("(Type & 4) <> 0"));
        QCOMPARE(filters.filterAt(1)->operatorCode(), 0);
        QCOMPARE(filters.filterAt(0)->value().toString(), QString());
    }

    void otherKindsAndEmptyCollections()
    {
        SqlFilterCollection filters;
        SqlFilter* rank = addFilter(filters, 2, "Rank");
        SqlFilter* created = addFilter(filters, 4, "CreateDate");
        created->setValue(QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9)));
        DqlFilter dlg;
        dlg.build(&filters);
        QCOMPARE(dlg.rowCount(), 2);
        auto* floatRow = qobject_cast<WidFloatFilter*>(dlg.rowAt(0));
        QVERIFY(floatRow);
        QCOMPARE(floatRow->valueWidget()->decimals(), 2);
        floatRow->valueWidget()->setValue(2.5);
        auto* dateRow = qobject_cast<WidDateTimeFilter*>(dlg.rowAt(1));
        QVERIFY(dateRow);
        QCOMPARE(dateRow->valueWidget()->dateTime(), created->value().toDateTime());
        chooseOperator(dateRow, SqlFilter::Less);
        dlg.slotAccept();
        QCOMPARE(rank->value(), QVariant(2.5));
        QCOMPARE(created->conditionText(), QStringLiteral("CreateDate < '2024-03-01T14:05:09'"));

        // No collection: only the buttons.
        DqlFilter empty;
        empty.build(nullptr);
        QCOMPARE(empty.rowCount(), 0);
    }

    void okAcceptsOnlyWhenValid()
    {
        RecordingDialog dlg;
        dlg.build(nullptr);
        dlg.allow = false;
        QSignalSpy finished(&dlg, &QDialog::finished);
        dlg.show();
        QTest::mouseClick(dlg.ok(), Qt::LeftButton);
        QCOMPARE(dlg.validations, 1);
        QVERIFY(dlg.isVisible());
        QCOMPARE(finished.count(), 0);

        dlg.allow = true;
        QTest::mouseClick(dlg.ok(), Qt::LeftButton);
        QCOMPARE(dlg.validations, 2);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));

        dlg.show();
        QTest::mouseClick(dlg.cancel(), Qt::LeftButton); // no validation
        QCOMPARE(dlg.validations, 2);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }
};

TESVAR_TEST(FilterDialogTest)
#include "FilterDialogTest.moc"
