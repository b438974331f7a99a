#include "TestRunner.h"

#include "widgets/UtilGui.h"
#include "widgets/DlgBase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Records what the build steps could see, and the validations.
class RecordingDialog : public Vexal::DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    bool argumentSeenInWidgets = false;
    bool fieldSeenInConnect = false;
    bool okSeenInConnect = false;
    bool allow = true;
    int validations = 0;
    QLineEdit* field = nullptr;

    QPushButton* ok() const { return m_okButton; }
    QPushButton* cancel() const { return m_cancelButton; }

protected:
    void createWidgets() override
    {
        argumentSeenInWidgets = m_argument != nullptr;
        field = new QLineEdit(this);
        Vexal::UtilGui::addRow(m_formLayout, new QLabel(QStringLiteral("Name"), this), field);
    }
    void connectWidgets() override
    {
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
    // Each step sees what the earlier ones made, and the argument.
    void buildStepsSeeTheirInputs()
    {
        RecordingDialog dlg;
        QObject subject;
        dlg.build(&subject);
        QVERIFY(dlg.argumentSeenInWidgets);
        QVERIFY(dlg.fieldSeenInConnect);
        QVERIFY(dlg.okSeenInConnect);
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
