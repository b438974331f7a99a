#include "TestRunner.h"

#include "widgets/UtilGui.h"
#include "widgets/DlgBase.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Records every build step, and what each step could see.
class RecordingDialog : public Vexal::DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    QStringList steps;
    bool argumentSeenInWidgets = false;
    bool fieldSeenInConnect = false;
    bool okSeenInConnect = false;
    bool allow = true;
    int validations = 0;
    QLineEdit* field = nullptr;

    QPushButton* ok() const { return m_okButton; }
    QPushButton* cancel() const { return m_cancelButton; }
    QGridLayout* form() const { return m_formLayout; }
    QObject* arg() const { return m_argument; }

protected:
    void setupWindow() override { steps << QStringLiteral("setupWindow"); DlgBase::setupWindow(); }
    void createLayout() override { steps << QStringLiteral("createLayout"); DlgBase::createLayout(); }
    void createBody() override { steps << QStringLiteral("createBody"); DlgBase::createBody(); }
    void createWidgets() override
    {
        steps << QStringLiteral("createWidgets");
        argumentSeenInWidgets = m_argument != nullptr;
        field = new QLineEdit(this);
        Vexal::UtilGui::addRow(m_formLayout, new QLabel(QStringLiteral("Name"), this), field);
        Vexal::UtilGui::stretchLastRow(m_formLayout);
    }
    void createButtonBar() override { steps << QStringLiteral("createButtonBar"); DlgBase::createButtonBar(); }
    void createButtons() override { steps << QStringLiteral("createButtons"); DlgBase::createButtons(); }
    void connectWidgets() override
    {
        steps << QStringLiteral("connectWidgets");
        fieldSeenInConnect = field != nullptr;
        okSeenInConnect = m_okButton != nullptr;
    }
    bool validate() override
    {
        ++validations;
        return allow;
    }
};

} // namespace

class DlgBaseTest : public QObject
{
    Q_OBJECT
private slots:
    void buildRunsTheStepsInOrder()
    {
        RecordingDialog dlg;
        QObject subject;
        QVERIFY(dlg.steps.isEmpty()); // the constructor builds nothing
        dlg.build(&subject);
        const QStringList expected{QStringLiteral("setupWindow"),  QStringLiteral("createLayout"),
                                   QStringLiteral("createBody"),   QStringLiteral("createWidgets"),
                                   QStringLiteral("createButtonBar"), QStringLiteral("createButtons"),
                                   QStringLiteral("connectWidgets")};
        QCOMPARE(dlg.steps, expected);
        QVERIFY(dlg.argumentSeenInWidgets);
        QVERIFY(dlg.fieldSeenInConnect);
        QVERIFY(dlg.okSeenInConnect);
        QCOMPARE(dlg.arg(), &subject);
        QVERIFY(!dlg.isVisible()); // build does not show
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

TESVAR_TEST(DlgBaseTest)
#include "DlgBaseTest.moc"
