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
    // text is a notice (the first field's) or a hint (a later field's).
    void labelAboveAField_data()
    {
        addColumns<QString, QString, QStringList>("before", "text", "kinds");
        const QString later = QStringLiteral("<div>Title <input name='t'></div>");
        for (const QString& before : {QString(), later}) {
            const QStringList title = before.isEmpty() ? QStringList() : QStringList{"t=29"};
            const QString where = before.isEmpty() ? QStringLiteral("first") : QStringLiteral("later");
            QTest::newRow(qPrintable(where + QStringLiteral(", four words: the label")))
                << before << "Keywords of your article" << title + QStringList{"x=30"};
            QTest::newRow(qPrintable(where + QStringLiteral(", five words: a notice")))
                << before << "Keywords of your article here" << title + QStringList{"x=0"};
            QTest::newRow(qPrintable(where + QStringLiteral(", five words and a colon: the label")))
                << before << "Keywords of your article here:" << title + QStringList{"x=30"};
        }
    }

    void labelAboveAField()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QStringList, kinds);
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral("<body><form id='f'>%1<div>%2</div><div><input name='x'></div>"
                                             "</form></body>").arg(before, text)));
        QCOMPARE(classifyArticle(view, &owner), kinds);
    }

    // In its own cell beside a box, a caption may run to seven words where
    // no mark ends a sentence in it; a longer text or a sentence is a notice.
    void captionBesideAField_data()
    {
        addColumns<QString, QString, QStringList>("before", "text", "kinds");
        const QString later = QStringLiteral("<tr><td>Title</td><td><input name='t'></td></tr>");
        for (const QString& before : {QString(), later}) {
            const QStringList title = before.isEmpty() ? QStringList() : QStringList{"t=29"};
            const QString where = before.isEmpty() ? QStringLiteral("first") : QStringLiteral("later");
            QTest::newRow(qPrintable(where + QStringLiteral(", seven words: the label")))
                << before << "Please give the keywords of your article" << title + QStringList{"x=30"};
            QTest::newRow(qPrintable(where + QStringLiteral(", eight words: a notice")))
                << before << "Please give the keywords of your article here" << title + QStringList{"x=0"};
            QTest::newRow(qPrintable(where + QStringLiteral(", a sentence of five words: a notice")))
                << before << "Keywords of your article here." << title + QStringList{"x=0"};
        }
    }

    void captionBesideAField()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(QStringList, kinds);
        QWebView view;
        QObject owner;
        QVERIFY(setHtml(view, QStringLiteral("<body><form id='f'><table>%1<tr><td>%2</td><td><input name='x'></td>"
                                             "</tr></table></form></body>").arg(before, text)));
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
