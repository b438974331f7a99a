#include "TestRunner.h"
#include "LiteralSelectorEngine.h"
#include "MemoryPageDom.h"
#include "SelectorPageGenerator.h"
#include "SelectorWays.h"

#include "automation/selector/SelectorBuilder.h"
#include "automation/selector/SelectorList.h"
#include "automation/selector/SelectorLookup.h"
#include "automation/selector/SelectorLookupText.h"
#include "automation/selector/SelectorManager.h"

#include <QTest>

#include <algorithm>

using namespace Vexal;

// The selector rules on a page held in memory, without the web engine: the
// engine's answers against the rules read literally on many generated pages,
// how its cost grows with the page, and the manager's writes by element type.
class SelectorMemoryPageTest : public QObject
{
    Q_OBJECT

    static PageElements found(PageDom& dom, const QString& text)
    {
        SelectorBuilder builder;
        builder.build(text, QString(), QString());
        return SelectorLookup(PageDomHandle(dom)).find(builder.result());
    }

    // What differs between the engine's answers, with each way of testing
    // texts forced and as it weighs them, and the rules read literally: empty
    // where none does.
    static QString differs(PageDom& dom, const QString& text)
    {
        SelectorBuilder builder;
        builder.build(text, QString(), QString());
        QString way;
        if (selectorWays::find(PageDomHandle(dom), builder.result(), way)
            != LiteralSelectorEngine(&dom).find(builder.result()))
            return QStringLiteral("%1: not the literal answer").arg(text);
        return way.isEmpty() ? QString() : QStringLiteral("%1: %2 gives another").arg(text, way);
    }

    // The ids of what the selector finds, by the engine.
    static QStringList ids(MemoryPageDom& dom, const QString& text)
    {
        QStringList out;
        for (const PageElement& e : found(dom, text))
            out << e.attribute(QStringLiteral("id"));
        return out;
    }

    static void fillRulesPage(MemoryPageDom& dom)
    {
        const auto id = [](const char* value) { return QMap<QString, QString>{{"id", QString::fromLatin1(value)}}; };
        const int body = dom.add(dom.root(), QStringLiteral("body"), id("b"));
        const int f1 = dom.add(body, QStringLiteral("form"), id("f1"));
        dom.add(f1, QStringLiteral("input"), {{"id", "i1"}, {"name", "q"}});
        dom.add(f1, QStringLiteral("input"), {{"id", "i2"}, {"name", "x"}});
        const int f2 = dom.add(body, QStringLiteral("form"), id("f2"));
        dom.addText(dom.add(f2, QStringLiteral("label"), id("l1")), QStringLiteral("Email"));
        const int span = dom.add(f2, QStringLiteral("span"), id("s"));
        dom.addText(dom.add(span, QStringLiteral("label"), id("l2")), QStringLiteral("Inner"));
        dom.add(span, QStringLiteral("input"), id("i3"));
        dom.addText(dom.add(body, QStringLiteral("input"), id("i4")), QStringLiteral("typed"));
        dom.addText(dom.add(body, QStringLiteral("label"), id("l3")), QStringLiteral("Last"));
        const int frame = dom.add(dom.addFrame(body), QStringLiteral("body"));
        dom.add(frame, QStringLiteral("input"), {{"id", "in"}, {"name", "in"}});
    }

private slots:
    void generatedPages()
    {
        for (quint32 seed = 1; seed <= 150; ++seed) {
            SelectorPageGenerator generator(seed);
            MemoryPageDom dom;
            generator.fill(dom, 120, seed % 10 ? 40 : 300);
            for (int i = 0; i < 40; ++i) {
                const QString text = generator.selector();
                const QString wrong = differs(dom, text);
                QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("page %1: %2").arg(seed).arg(wrong)));
            }
        }
    }

    // Steps over many current elements whose cost once grew with the square
    // of what they found: a form four times larger must not ask sixteen
    // times the work of the page (counted; how the engine's own time grows
    // the benchmark shows). The answers are held to the literal reading on a
    // form of so many rows: the larger one, but where the literal reading
    // reads the texts of the ancestors of every row again, which grows with
    // the square of the form.
    void growth_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<int>("checkedRows");
        QTest::newRow("down, name") << "DIV:INPUT[XNAME=\"INPUT\"]" << 20000;
        QTest::newRow("down, position") << "DIV:LABEL[XFIRST=\"0\"]" << 20000;
        QTest::newRow("down, text") << "DIV:LABEL[XTEXT=%\"field\"]" << 20000;
        QTest::newRow("down after down") << "FORM:DIV:INPUT[XLAST=\"0\"]" << 20000;
        // The ancestors of each row hold the whole form: its text, and
        // those of the BODY and HTML, are read once for all the rows.
        QTest::newRow("parents after parents, text") << "INPUT:XPARENT:XPARENT[XTEXT%%\"Field 1\"]" << 300;
        QTest::newRow("parents after parents, start") << "LABEL:XPARENT:XPARENT[XTRIMMED=%\"Field 1\"]" << 300;
    }

    void growth()
    {
        QFETCH(QString, selector);
        QFETCH(int, checkedRows);
        MemoryPageDom small;
        MemoryPageDom large;
        MemoryPageDom smaller;
        small.addForm(5000);
        large.addForm(20000);
        if (checkedRows < 20000)
            smaller.addForm(checkedRows);
        MemoryPageDom& checked = checkedRows < 20000 ? smaller : large;
        QCOMPARE(differs(checked, selector), QString());
        small.work = 0;
        large.work = 0;
        // Reads weighed by the work counted, alike on every run.
        lookup::TextBudget::setClock([&] { return 20 * (small.work + large.work); });
        found(small, selector);
        found(large, selector);
        lookup::TextBudget::setClock({});
        QVERIFY2(large.work <= 8 * small.work,
                 qPrintable(QStringLiteral("%1, four times the form %2").arg(small.work).arg(large.work)));
    }

    // A selector whose steps would hold more elements than a lookup may
    // ends with an error, and the next lookup starts afresh.
    void tooManyElements()
    {
        MemoryPageDom dom;
        int parent = dom.add(dom.root(), QStringLiteral("body"));
        for (int i = 0; i < 60; ++i)
            parent = dom.add(parent, QStringLiteral("span"));
        SelectorLookup lookup{PageDomHandle(dom)};
        lookup.setLimit(5000);
        SelectorBuilder builder;
        builder.build(QStringLiteral("SPAN:XPARENT:SPAN:XPARENT"), QString(), QString());
        QVERIFY(lookup.find(builder.result()).isEmpty());
        QVERIFY2(lookup.error().contains(QLatin1String("SPAN:XPARENT:SPAN:XPARENT")), qPrintable(lookup.error()));
        builder.build(QStringLiteral("SPAN:XPARENT[XFIRST=\"0\"]"), QString(), QString());
        QCOMPARE(lookup.find(builder.result()).size(), 60);
        QVERIFY(lookup.error().isEmpty());
    }

    void rules_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const char* selector, const QStringList& expected) {
            QTest::newRow(name) << QString::fromLatin1(selector) << expected;
        };
        row("positions count every candidate", "INPUT[name=\"x\"&&XFIRST=\"0\"]", {});
        row("first", "INPUT[XFIRST=\"0\"]", {"i1"});
        row("last", "INPUT[XLAST=\"0\"]", {"i4"});
        row("per current element", "FORM:INPUT[XFIRST=\"0\"]", {"i1", "i3"});
        row("ancestors nearest first", "INPUT[id=\"i3\"]:XPARENT", {"s", "f2", "b", ""});
        row("siblings from the first", "INPUT[id=\"i2\"]:XSIBLING", {"i1", "i2"});
        row("next inside, after, around", "LABEL:XNEXT[XNAME=\"INPUT\"]", {"i3", "i3", "i1"});
        row("next is an ancestor", "INPUT[id=\"i3\"]:XNEXT[XNAME=\"FORM\"]", {"f2"});
        row("next never counts a last", "LABEL[id=\"l1\"]:XNEXT[XLAST=\"0\"]", {});
        row("duplicates kept", "INPUT:XPARENT[XFIRST=\"0\"]", {"f1", "f1", "s", "b"});
        row("frames only through a step", "INPUT[name=\"in\"]", {});
        row("into the frame", "IFRAME:INPUT", {"in"});
        row("void element's text", "INPUT[XTEXT=\"typed\"]", {"i4"});
    }

    void rules()
    {
        QFETCH(QString, selector);
        QFETCH(QStringList, expected);
        MemoryPageDom dom;
        fillRulesPage(dom);
        QCOMPARE(ids(dom, selector), expected);
        QCOMPARE(differs(dom, selector), QString());
    }

    // The element after each of a query's elements, as any page access gives
    // it: the next-element step's candidates when they lie within the parent.
    void followingElements()
    {
        MemoryPageDom dom;
        fillRulesPage(dom);
        const PageDom::Following following =
            dom.following(dom.documentElement(), QStringLiteral("label"), QStringLiteral("input"));
        QStringList elements;
        for (const PageElement& e : following.elements)
            elements << e.attribute(QStringLiteral("id"));
        QCOMPARE(elements, (QStringList{"i3", "i3", "l3"}));
        QCOMPARE(following.open, QVector<int>{2});
    }

    // What the manager writes, by element type, through the element's page.
    void writes_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("text input") << "input" << "" << "abc" << QStringList{"value 2=abc"};
        QTest::newRow("check box yes") << "input" << "CHECKBOX" << " Yes " << QStringList{"checked 2=1"};
        QTest::newRow("radio no") << "input" << "radio" << "off" << QStringList{"checked 2=0"};
        QTest::newRow("text area") << "textarea" << "" << "a\nb" << QStringList{"text 2=a\nb"};
        QTest::newRow("list by index") << "select" << "" << "XINDEX:3" << QStringList{"index 2=3"};
        QTest::newRow("list by text") << "select" << "" << "Germany" << QStringList{};
        QTest::newRow("frame") << "iframe" << "" << "x" << QStringList{"markup 4=<p>x</p>"};
        QTest::newRow("other") << "div" << "" << "x" << QStringList{};
    }

    void writes()
    {
        QFETCH(QString, tag);
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(QStringList, actions);
        MemoryPageDom dom;
        const int body = dom.add(dom.root(), QStringLiteral("body"));
        const int element = tag == QLatin1String("iframe") ? -1 : dom.add(body, tag, {{"type", type}});
        if (element < 0)
            dom.add(dom.addFrame(body), QStringLiteral("body"));
        SelectorManager manager{PageDomHandle(dom)};
        manager.setValue(dom.at(element < 0 ? 2 : element), value);
        QCOMPARE(dom.actions, actions);
    }

    // Options are chosen by the order of the options, not of the texts; a
    // form is submitted, anything else clicked.
    void choicesAndClicks()
    {
        MemoryPageDom dom;
        const int body = dom.add(dom.root(), QStringLiteral("body"));
        const int select = dom.add(body, QStringLiteral("select"));
        dom.addText(dom.add(select, QStringLiteral("option")), QStringLiteral("a"));
        dom.addText(dom.add(select, QStringLiteral("option")), QStringLiteral("B"));
        const int form = dom.add(body, QStringLiteral("form"));
        const int button = dom.add(form, QStringLiteral("input"), {{"type", "submit"}});
        SelectorManager manager{PageDomHandle(dom)};
        manager.selectOption(dom.at(select), {QStringLiteral("b"), QStringLiteral("A")});
        manager.selectOption(dom.at(select), {QStringLiteral(" b")});
        manager.selectOption(dom.at(form), {QStringLiteral("a")});
        manager.click(dom.at(form));
        manager.click(dom.at(button));
        manager.click(PageElement());
        QCOMPARE(dom.actions, (QStringList{QStringLiteral("index %1=0").arg(select),
                                           QStringLiteral("submit %1").arg(form),
                                           QStringLiteral("click %1").arg(button)}));
    }
};

TESVAR_TEST(SelectorMemoryPageTest)
#include "SelectorMemoryPageTest.moc"
