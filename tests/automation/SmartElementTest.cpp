#include "TestRunner.h"
#include "SmartTestPage.h"

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartElementLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLog.h"
#include "shell/WebKitPageDom.h"

#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

QList<int> typesOf(const QList<SmartElement*>& list)
{
    QList<int> types;
    for (const SmartElement* e : list)
        types << e->type();
    return types;
}

QStringList namesOf(const QList<SmartElement*>& list)
{
    QStringList names;
    for (const SmartElement* e : list)
        names << (e->id().isEmpty() ? e->name() : e->id());
    return names;
}

// Switches the report on for one test and back off afterwards.
struct ReportOn {
    ReportOn() { SmartLog::instance()->setEnabled(true); }
    ~ReportOn() { SmartLog::instance()->setEnabled(false); }
};

} // namespace

class SmartElementTest : public QObject
{
    Q_OBJECT

private slots:
    void typeCodesFollowTagAndTypeAttribute()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form>"
            "<button id='b1'>x</button><button id='b2' type='RESET'>r</button>"
            "<button id='b3' type='submit'>s</button><button id='b4' type='menu'>m</button>"
            "<input id='i1' type='button'><input id='i2' type='checkbox'><input id='i3' type='file'>"
            "<input id='i4' type='hidden'><input id='i5' type='image'><input id='i6' type='password'>"
            "<input id='i7' type='radio'><input id='i8' type='reset'><input id='i9' type='SUBMIT'>"
            "<input id='i10' type='email'><input id='i11' type='search'><input id='i12'>"
            "<select id='s'><option>a</option><option>b</option></select>"
            "<textarea id='t'></textarea><iframe id='f' src='about:blank'></iframe>"
            "</form></body>")));
        QObject owner;
        SmartElementLookup lookup(nullptr);
        lookup.lookup(PageDomHandle(&view), &owner);
        QCOMPARE(typesOf(lookup.elements()),
                 (QList<int>{1, 8, 10, 1, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 11, 11, 9, 12, 13}));
        // Every control is a child of the given owner; options are not collected.
        QCOMPARE(owner.findChildren<SmartElement*>().size(), 19);

        // A second walk empties the lists but keeps the earlier objects alive.
        lookup.lookup(PageDomHandle(&view), &owner);
        QCOMPARE(lookup.elements().size(), 19);
        QCOMPARE(owner.findChildren<SmartElement*>().size(), 38);
    }

    void visibilityAndFilter()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<head><style>.gone{display:none} .ghost{visibility:hidden}</style></head><body>"
            "<div class='gone'><p><input id='a' style='display:block'></p></div>"
            "<input id='b' style='display:none'>"
            "<input id='c' class='ghost'>"
            "<div class='ghost'><input id='d'></div>"
            "<input id='e' type='hidden'>"
            "<input type='text'>"
            "<input id='g' type='checkbox'>"
            "<textarea name='h'></textarea>"
            "</body>")));
        QObject owner;
        SmartElementLookup lookup(nullptr);
        lookup.setText(true);
        lookup.setHidden(true);
        lookup.setTextArea(true);
        lookup.lookup(PageDomHandle(&view), &owner);
        QCOMPARE(lookup.elements().size(), 8);
        // A text field under a hidden parent is out of sight like one hidden
        // itself: a trap that only robots fill.
        QCOMPARE(namesOf(lookup.visibleElements()), (QStringList{"", "g", "h"}));
        QCOMPARE(namesOf(lookup.filteredElements()), (QStringList{"h"}));

        lookup.setUnnamed(true);
        lookup.setCheckBox(true);
        lookup.lookup(PageDomHandle(&view), &owner);
        QCOMPARE(namesOf(lookup.filteredElements()), (QStringList{"", "g", "h"}));
    }

    void classifyLoginFollowsTypes()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><input name='u'><input type='password' name='p'><input type='checkbox' name='c'>"
            "<input type='submit' name='s'></body>")));
        QObject owner;
        SmartElementLookup walk(nullptr);
        walk.lookup(PageDomHandle(&view), &owner);
        SmartLookup lookup(nullptr);
        lookup.classifyLogin(walk.elements());
        QList<int> kinds;
        for (const SmartElement* e : lookup.elements())
            kinds << e->kind();
        QCOMPARE(kinds, (QList<int>{12, 13, 38, 34}));
    }

    void descriptionsTakeValuesLiterally()
    {
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral("<body><input type='text' id='%1x' name='%2'></body>")));
        WebKitPageDom dom(&view);
        SmartElement element(nullptr);
        element.setElement(dom.wrap(view.page()->mainFrame()->findFirstElement(QStringLiteral("input"))));
        QCOMPARE(element.toString(), QStringLiteral("<INPUT type='text' id='%1x' name='%2'>"));
        SmartLabel label(nullptr);
        label.setText(QStringLiteral("  Please   enter your name, it is used on the certificate "));
        QCOMPARE(label.wordCount(), 10);
        QCOMPARE(label.toString(), QStringLiteral("N -> ") + label.text().left(30) + QStringLiteral("..."));
        label.setBold(true);
        QVERIFY(label.toString().startsWith(QStringLiteral("B -> ")));
    }

    void reportSections()
    {
        SmartLog* report = SmartLog::instance();
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><input name='a'><input id='b' style='display:none'><input></body>")));
        QObject owner;
        SmartElementLookup lookup(nullptr);
        lookup.setText(true);

        // While off nothing is written, whatever the writer.
        report->setEnabled(false);
        const QString before = report->text();
        lookup.lookup(PageDomHandle(static_cast<QWebView*>(nullptr)), &owner);
        lookup.lookup(PageDomHandle(&view), &owner);
        lookup.log(QStringLiteral("ELEMENTS"));
        report->writeLine(QStringLiteral("x"));
        report->error(QStringLiteral("x"));
        QCOMPARE(report->text(), before);

        // On, each control is listed with why it was kept or left out.
        ReportOn on;
        const int start = report->text().size();
        lookup.log(QStringLiteral("ELEMENTS"));
        const QString written = report->text().mid(start);
        QVERIFY2(written.contains(QStringLiteral("HIDDEN         <INPUT type='' id='b' name=''>\n")), qPrintable(written));
        QVERIFY(written.endsWith(QStringLiteral("\n   Filtered: 1\n\n<INPUT type='' id='' name='a'>\n")));
    }
};

TESVAR_TEST(SmartElementTest)
#include "SmartElementTest.moc"
