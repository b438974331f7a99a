#include "TestRows.h"
#include "TestRunner.h"
#include "SmartTestPage.h"

#include "automation/smart/SmartArticleField.h"
#include "automation/smart/SmartElementLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelLookup.h"
#include "shell/WebKitPageDom.h"

#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

// The article field lookup over every control of the page and the labels
// of the FORM "#f".
QStringList classifyArticle(QWebView& view, QObject* owner)
{
    SmartElementLookup walk(nullptr);
    walk.setCheckBox(true);
    walk.setText(true);
    walk.setTextArea(true);
    walk.lookup(PageDomHandle(&view), owner);
    QList<SmartElement*> controls = walk.filteredElements();
    SmartLabelLookup labels(nullptr);
    labels.lookup(elementOf(controls, QStringLiteral("#f")), owner);
    SmartArticleField field(nullptr);
    field.classifyElements(controls, labels.labels());
    return kinds(controls);
}

// The text entries read from the FORM "#f", in order.
QStringList textsOf(QWebView& view, QObject* owner)
{
    // The labels, children of the owner, hold elements of the access.
    auto* dom = new WebKitPageDom(&view);
    const PageDomHandle held(dom);
    SmartLabelLookup lookup(nullptr);
    lookup.lookup(dom->wrap(view.page()->mainFrame()->findFirstElement(QStringLiteral("#f"))), owner);
    QStringList texts;
    for (const SmartLabel* label : lookup.labels())
        if (label->isText())
            texts << label->text();
    return texts;
}

} // namespace

// The limits that make a text a label: a label is a few words, and a text
// run of a single character is no label. Each limit is checked on both sides
// of its edge.
class SmartLabelRulesTest : public QObject
{
    Q_OBJECT

private slots:
    // Words are the parts between blanks; runs of blanks make no words.
    void wordCount_data()
    {
        addColumns<QString, int>("text", "words");
        QTest::newRow("four") << "Keywords of your article" << 4;
        QTest::newRow("five") << "Keywords of your article here" << 5;
        QTest::newRow("four among blanks") << "  Keywords  of your   article " << 4;
        QTest::newRow("one") << "Title:" << 1;
    }

    void wordCount()
    {
        QFETCH(QString, text);
        QFETCH(int, words);
        SmartLabel label(nullptr);
        label.setText(text);
        QCOMPARE(label.wordCount(), words);
    }

    // A label is a few words: in the bold pass a bold text of up to four
    // words names the field below it, a longer one is passed over for the
    // bold text before it; a text after a field names it only when it is a
    // few words, a longer one is help about the field.
    void labelOfAtMostFourWords_data()
    {
        addColumns<QString, QString, QStringList>("form", "text", "kinds");

        const QString bold = QStringLiteral(
            "<b>Title</b> <b>%1</b> <input name='x'> Article body <textarea name='y'></textarea>");
        // Each field with its note below it.
        const QString after = QStringLiteral(
            "<div><span><input name='x'></span><br><span>%1</span></div>"
            "<div><span><textarea name='y'></textarea></span><br><span>Article body</span></div>");
        QTest::newRow("bold, four words: the label")
            << bold << "Keywords of your article" << QStringList{"x=30", "y=37"};
        QTest::newRow("bold, five words: passed over")
            << bold << "Keywords of your article here" << QStringList{"x=29", "y=37"};
        QTest::newRow("after, four words: the label")
            << after << "Keywords of the article" << QStringList{"x=30", "y=37"};
        QTest::newRow("after, five words: help")
            << after << "Keywords of the article here" << QStringList{"x=0", "y=37"};
    }

    void labelOfAtMostFourWords()
    {
        QFETCH(QString, form);
        QFETCH(QString, text);
        QFETCH(QStringList, kinds);
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral("<body><form id='f'>%1</form></body>").arg(form.arg(text))));
        QCOMPARE(classifyArticle(view, &owner), kinds);
    }

    // Above a field, a label is a few words or ends like one (":"); a longer
    // text is a notice (the first field's) or a hint (a later field's). In
    // its own cell beside a box, a caption may run to seven words where no
    // mark ends a sentence in it; a longer text or a sentence is a notice.
    void labelNearAField_data()
    {
        addColumns<QString, QString, QString, QStringList>("page", "before", "text", "kinds");
        const QString above = QStringLiteral("%1<div>%2</div><div><input name='x'></div>");
        const QString beside = QStringLiteral("<table>%1<tr><td>%2</td><td><input name='x'></td></tr></table>");
        const struct {
            const QString& page;
            const char* where;
            QString before;
            const char* tag;
            const char* text;
            const char* kind;
        } rows[] = {
            {above, "above", QString(), "four words: the label", "Keywords of your article", "x=30"},
            {above, "above", QString(), "five words: a notice", "Keywords of your article here", "x=0"},
            {above, "above", QString(), "five words and a colon: the label", "Keywords of your article here:", "x=30"},
            {beside, "beside", QString(), "seven words: the label", "Please give the keywords of your article",
             "x=30"},
            {beside, "beside", QString(), "eight words: a notice", "Please give the keywords of your article here",
             "x=0"},
            {beside, "beside", QString(), "a sentence of five words: a notice", "Keywords of your article here.",
             "x=0"},
        };
        const QString laterAbove = QStringLiteral("<div>Title <input name='t'></div>");
        const QString laterBeside = QStringLiteral("<tr><td>Title</td><td><input name='t'></td></tr>");
        for (const bool later : {false, true}) {
            for (const auto& row : rows) {
                const QString before = !later ? QString() : &row.page == &above ? laterAbove : laterBeside;
                const QStringList title = later ? QStringList{"t=29"} : QStringList();
                QTest::newRow(qPrintable(QStringLiteral("%1, %2, %3")
                                             .arg(row.where, later ? QStringLiteral("later") : QStringLiteral("first"),
                                                  QLatin1String(row.tag))))
                    << row.page << before << row.text << title + QStringList{QLatin1String(row.kind)};
            }
        }
    }

    void labelNearAField()
    {
        QFETCH(QString, page);
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QStringList, kinds);
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral("<body><form id='f'>%1</form></body>").arg(page.arg(before, text))));
        QCOMPARE(classifyArticle(view, &owner), kinds);
    }

    // A text run after the last child element is read only when it is longer
    // than one character; before a child one character is enough.
    void textRunsAroundChildren_data()
    {
        addColumns<QString, QStringList>("inner", "texts");
        QTest::newRow("one character after: dropped") << "<span>Tags</span>:" << QStringList{"Tags"};
        QTest::newRow("two characters after: read") << "<span>Tags</span>:*" << QStringList{"Tags", ":*"};
        QTest::newRow("one character before: read") << "*<span>Tags</span>" << QStringList{"*", "Tags"};
    }

    void textRunsAroundChildren()
    {
        QFETCH(QString, inner);
        QFETCH(QStringList, texts);
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral("<body><form id='f'><p>%1</p></form></body>").arg(inner)));
        QCOMPARE(textsOf(view, &owner), texts);
    }
};

TESVAR_TEST(SmartLabelRulesTest)
#include "SmartLabelRulesTest.moc"
