#include "TestRunner.h"
#include "SmartTestPage.h"

#include "automation/SmartArticleField.h"
#include "automation/SmartElementLookup.h"
#include "automation/SmartLabel.h"
#include "automation/SmartLabelLookup.h"
#include "automation/SmartLog.h"
#include "automation/SmartRegistrationField.h"

#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

QList<SmartLabel*> labelList(QObject* owner, int controls, int bold, int plain)
{
    QList<SmartLabel*> list;
    for (int i = 0; i < controls; ++i) {
        auto* label = new SmartLabel(owner);
        label->setElement(QWebElement());
        list << label;
    }
    for (int i = 0; i < bold + plain; ++i) {
        auto* label = new SmartLabel(owner);
        label->setText(QStringLiteral("t"));
        label->setBold(i < bold);
        list << label;
    }
    return list;
}

// Runs the field lookup of a form kind over the controls of the FORM "#f".
template <class Field>
QStringList classifyForm(QWebView& view, QObject* owner)
{
    SmartElementLookup walk(nullptr);
    walk.setText(true);
    walk.setTextArea(true);
    walk.setSelect(true);
    walk.setCheckBox(true);
    walk.setRadio(true);
    walk.lookup(&view, owner);
    QList<SmartElement*> controls = walk.filteredElements();
    SmartLabelLookup labels(nullptr);
    labels.lookup(view.page()->mainFrame()->findFirstElement(QStringLiteral("#f")), owner);
    Field field(nullptr);
    field.classifyElements(controls, labels.labels());
    return kinds(controls);
}

} // namespace

class SmartClassifyTest : public QObject
{
    Q_OBJECT

private slots:
    void boldMode()
    {
        QObject owner;
        QVERIFY(SmartFieldLookup::isBoldMode({}));
        QVERIFY(!SmartFieldLookup::isBoldMode(labelList(&owner, 5, 2, 4)));
        QVERIFY(SmartFieldLookup::isBoldMode(labelList(&owner, 5, 3, 0)));
        QVERIFY(SmartFieldLookup::isBoldMode(labelList(&owner, 2, 2, 9)));
        QVERIFY(!SmartFieldLookup::isBoldMode(labelList(&owner, 2, 3, 0)));
        QVERIFY(SmartFieldLookup::isBoldMode(labelList(&owner, 0, 0, 1)));
    }

    void boldPassSkipsLongBoldTexts()
    {
        const QString form = QStringLiteral(
            "<body><form id='f'><b>Title</b> <b>Please enter the keywords of your article now</b>"
            " <input name='x'> Article body <textarea name='y'></textarea>%1</form></body>");
        QWebView view;
        QObject owner;
        SmartLog* report = SmartLog::instance();
        struct Off {
            ~Off() { SmartLog::instance()->setEnabled(false); }
        } off;
        report->setEnabled(true);
        const int start = report->text().size();
        QVERIFY(setHtml(view, form.arg(QString())));
        QCOMPARE(classifyForm<SmartArticleField>(view, &owner), (QStringList{"x=29", "y=37"}));
        QVERIFY(report->text().mid(start).contains(QStringLiteral("LOOKUP BOLD\n")));

        // One more control turns the bold pass off: the nearest text decides.
        QVERIFY(setHtml(view, form.arg(QStringLiteral("<input type='checkbox' name='z'>"))));
        QCOMPARE(classifyForm<SmartArticleField>(view, &owner), (QStringList{"x=30", "y=37", "z=27"}));
        QVERIFY(report->text().mid(start).contains(QStringLiteral("LOOKUP BOLD SKIPPED\n")));
    }

    void parentAndLabelPasses()
    {
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form id='f'>"
            "<div><span>Keywords</span><input name='a'><input name='b'></div>"
            "<div><input name='c'><span>The title</span></div>"
            "<p>Your summary<br><textarea name='d'></textarea></p>"
            "</form></body>")));
        // b stops at a; c takes its parent's text even though it follows.
        QCOMPARE(classifyForm<SmartArticleField>(view, &owner), (QStringList{"a=30", "b=0", "c=29", "d=36"}));
    }

    void registrationSpecialPasses()
    {
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form id='f'>"
            "<input type='checkbox' name='c1'> I agree to the Terms of Service<br>"
            "<input type='checkbox' name='c2'> Remember me<br>"
            "<input type='radio' name='r1' value='x'> Male<br>"
            "<select name='s1'></select><select name='s2'><option>Select day</option></select>"
            "<select name='s3'><option>Year</option></select>"
            "<input type='radio' name='r2' value='y'> Female"
            "</form></body>")));
        QCOMPARE(classifyForm<SmartRegistrationField>(view, &owner),
                 (QStringList{"c1=26", "c2=27", "r1/x=7", "s1=0", "s2=11", "s3=9", "r2/y=8"}));
    }
};

TESVAR_TEST(SmartClassifyTest)
#include "SmartClassifyTest.moc"
