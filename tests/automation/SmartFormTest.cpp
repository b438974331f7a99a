#include "TestRows.h"
#include "TestRunner.h"
#include "SmartTestPage.h"

#include "automation/smart/SmartArticleField.h"
#include "automation/smart/SmartElementLookup.h"
#include "automation/smart/SmartFieldEvidence.h"
#include "automation/smart/SmartFormLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelLookup.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartRegistrationField.h"
#include "shell/WebKitPageDom.h"

#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

// Walks a page with every type switched on.
QList<SmartElement*> controlsOf(QWebView& view, QObject* owner)
{
    SmartElementLookup walk(nullptr);
    walk.setCheckBox(true);
    walk.setPassword(true);
    walk.setRadio(true);
    walk.setSelect(true);
    walk.setSubmit(true);
    walk.setText(true);
    walk.setTextArea(true);
    walk.lookup(PageDomHandle(&view), owner);
    return walk.filteredElements();
}

QList<int> numbersOf(const QList<SmartElement*>& list)
{
    QList<int> numbers;
    for (const SmartElement* e : list)
        numbers << e->formNumber();
    return numbers;
}

QStringList labelsOf(QWebView& view, const QString& selector, QObject* owner)
{
    // The labels, children of the owner, hold elements of the access.
    auto* dom = new WebKitPageDom(&view);
    const PageDomHandle held(dom);
    SmartLabelLookup lookup(nullptr);
    lookup.lookup(dom->wrap(view.page()->mainFrame()->findFirstElement(selector)), owner);
    QStringList entries;
    for (const SmartLabel* label : lookup.labels())
        entries << (label->isText() ? (label->isBold() ? QStringLiteral("B:") : QStringLiteral("N:")) + label->text()
                                    : QStringLiteral("C:") + label->name());
    return entries;
}

QList<SmartLabel*> labelList(QObject* owner, int controls, int bold, int plain)
{
    QList<SmartLabel*> list;
    for (int i = 0; i < controls; ++i) {
        auto* label = new SmartLabel(owner);
        label->setElement(PageElement());
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
    QList<SmartElement*> controls = controlsOf(view, owner);
    SmartLabelLookup labels(nullptr);
    labels.lookup(elementOf(controls, QStringLiteral("#f")), owner);
    Field field(nullptr);
    field.classifyElements(controls, labels.labels());
    return kinds(controls);
}

} // namespace

class SmartFormTest : public QObject
{
    Q_OBJECT

private slots:
    void containersAndNumbers()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body>"
            "<table><tr><td><input name='a'></td><td><input name='b'></td></tr></table>"
            "<form id='one'><select name='s'><option>x</option></select></form>"
            "<div id='block'><div><p><input name='c'></p><p><input name='d'></p></div></div>"
            "<div><form id='f2'><input name='e'><input name='f'><input name='g'></form></div>"
            "</body>")));
        QObject owner;
        SmartFormLookup forms(nullptr);
        forms.lookup(controlsOf(view, &owner));
        const QList<SmartElement*>& list = forms.elements();
        QCOMPARE(list.size(), 8);
        QCOMPARE(list.at(0)->form().tagName(), QStringLiteral("TBODY"));
        QVERIFY(list.at(0)->form() == list.at(1)->form());
        QCOMPARE(list.at(2)->form().tagName(), QStringLiteral("FORM"));
        // The block climb stops below the first level whose count stays the same.
        QCOMPARE(list.at(3)->form().tagName(), QStringLiteral("DIV"));
        QVERIFY(list.at(3)->form() == list.at(4)->form());
        QVERIFY(list.at(3)->form().attribute(QStringLiteral("id")).isEmpty());
        QCOMPARE(numbersOf(list), (QList<int>{1, 1, 0, 2, 2, 3, 3, 3}));
        QCOMPARE(forms.formNumbers(), (QList<int>{1, 0, 2, 3}));

        forms.removeForm(0);
        QCOMPARE(numbersOf(forms.elements()), (QList<int>{1, 1, 2, 2, 3, 3, 3}));
        QCOMPARE(forms.elements().size(), 7);
        QCOMPARE(forms.formScore(3, {}), 3);
        QCOMPARE(forms.bestForm({11}), 3);
        forms.keepForm(2);
        QCOMPARE(numbersOf(forms.elements()), (QList<int>{1, 1}));
        QCOMPARE(forms.formCount(), 1);

        // A lone control is form 1, whatever its container.
        QVERIFY(setHtml(view, QStringLiteral("<body><p><input name='x'></p></body>")));
        forms.lookup(controlsOf(view, &owner));
        QCOMPARE(numbersOf(forms.elements()), (QList<int>{1}));
    }

    void bestFormPrefersMoreThenEarlier()
    {
        const QString three = QStringLiteral("<form><input name='a'><input name='b'><input name='c'></form>");
        const QString five = QStringLiteral(
            "<form><input name='d'><input name='e'><input name='f'><input name='g'><input name='h'></form>");
        QWebView view;
        QObject owner;
        SmartFormLookup forms(nullptr);
        QVERIFY(setHtml(view, QStringLiteral("<body>") + three + five + QStringLiteral("</body>")));
        forms.lookup(controlsOf(view, &owner));
        QCOMPARE(forms.bestForm({11}), 2);
        QVERIFY(setHtml(view, QStringLiteral("<body>") + three + three + QStringLiteral("</body>")));
        forms.lookup(controlsOf(view, &owner));
        QCOMPARE(forms.bestForm({11}), 1);
        QCOMPARE(forms.bestForm({12}), -1);
    }

    void loginRule()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body>"
            "<form><input name='u'><input type='password' name='p'><input type='checkbox' name='k'>"
            "<input type='submit' name='s'></form>"
            "<form><input name='u'><input type='password' name='p'><input type='radio' name='r'></form>"
            "<form><input type='password' name='p1'><input type='password' name='p2'></form>"
            "<form><input name='e'><input name='u'><input type='password' name='p'></form>"
            "</body>")));
        QObject owner;
        SmartFormLookup forms(nullptr);
        forms.lookup(controlsOf(view, &owner));
        QVERIFY(forms.isLoginForm(1, 1));
        QVERIFY(!forms.isLoginForm(2, 1));
        QVERIFY(!forms.isLoginForm(3, 2));
        QVERIFY(!forms.isLoginForm(4, 1));
        QVERIFY(forms.isLoginForm(4, 2));
        QCOMPARE(forms.findLoginForm(1), 1);
        forms.removeForm(1);
        QCOMPARE(forms.findLoginForm(1), -1);
        QCOMPARE(forms.findLoginForm(2), 3);
    }

    void labelSequence()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<head><style>.off{display:none}</style></head><body><form id='f'>"
            "<h2>Contact us</h2>"
            "<div>Name: <b>First</b> <input name='n'>x</div>"
            "<div class='off'>Secret <input name='h'></div>"
            "<p style='visibility:hidden'>Ghost</p>"
            "<script>var a = 1;</script>"
            "<p>Fish &amp; chips<!-- note --><span>Tail</span> more text</p>"
            "<select name='s'><option>Year</option></select>"
            "<input type='hidden' name='t'>"
            "</form></body>")));
        QObject owner;
        // Text between children is raw markup; one trailing character is dropped.
        QCOMPARE(labelsOf(view, QStringLiteral("#f"), &owner),
                 (QStringList{"B:Contact us", "N:Name:", "B:First", "C:n",
                              "N:Fish &amp; chips<!-- note -->", "N:Tail", "N:more text", "C:s"}));
        // A null root gives no entries.
        QVERIFY(labelsOf(view, QStringLiteral("#missing"), &owner).isEmpty());
    }

    // The passes that give the controls of a form their kinds.
    void boldMode()
    {
        QObject owner;
        QVERIFY(SmartFieldEvidence::isBoldMode({}));
        QVERIFY(!SmartFieldEvidence::isBoldMode(labelList(&owner, 5, 2, 4)));
        QVERIFY(SmartFieldEvidence::isBoldMode(labelList(&owner, 5, 3, 0)));
        QVERIFY(SmartFieldEvidence::isBoldMode(labelList(&owner, 2, 2, 9)));
        QVERIFY(!SmartFieldEvidence::isBoldMode(labelList(&owner, 2, 3, 0)));
        QVERIFY(SmartFieldEvidence::isBoldMode(labelList(&owner, 0, 0, 1)));
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

        // One more control turns the bold pass off: the nearest label decides;
        // a sentence above a field is a notice about it, no label.
        QVERIFY(setHtml(view, form.arg(QStringLiteral("<input type='checkbox' name='z'>"))));
        QCOMPARE(classifyForm<SmartArticleField>(view, &owner), (QStringList{"x=29", "y=37", "z=27"}));
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

    // A first option names the part of a date; the date is a birthday only
    // beside words of birth.
    void registrationSpecialPasses_data()
    {
        addColumns<QString, QString>("dateLabel", "parts");
        QTest::newRow("birthday") << "Date of birth" << "s2=11 s3=9";
        QTest::newRow("no birth") << "Dates" << "s2=0 s3=0";
    }

    void registrationSpecialPasses()
    {
        QFETCH(QString, dateLabel);
        QFETCH(QString, parts);
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form id='f'>"
            "<input type='checkbox' name='c1'> I agree to the Terms of Service<br>"
            "<input type='checkbox' name='c2'> Remember me<br>"
            "<input type='radio' name='r1' value='x'> Male<br>"
            "<select name='s1'></select><p>%1 <select name='s2'><option>Select day</option></select>"
            "<select name='s3'><option>Year</option></select></p>"
            "<input type='radio' name='r2' value='y'> Female"
            "</form></body>").arg(dateLabel)));
        QCOMPARE(classifyForm<SmartRegistrationField>(view, &owner),
                 QStringList({"c1=26", "c2=27", "r1/x=7", "s1=0"}) + split(qPrintable(parts)) + QStringList{"r2/y=8"});
    }
};

TESVAR_TEST(SmartFormTest)
#include "SmartFormTest.moc"
