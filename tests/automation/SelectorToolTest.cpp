#include "TestDatabase.h"
#include "TestRunner.h"

#include "automation/submit/ExtSelector.h"
#include "automation/submit/ExtSelectorToolbar.h"
#include "automation/submit/WidSelectorComboBox.h"
#include "widgets/WidTextEdit.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>

using namespace Vexal;

namespace {

const char* const page = R"(<html><body>
<form><input name="a"><input name="b" type="text"><div id="d">text</div></form>
<p id="p">para</p>
</body></html>)";

// A web tab showing the test page, with the selector tool attached.
struct Fixture
{
    TestDatabase db;
    WidWebTab tab;
    ExtSelector* panel = nullptr;

    bool start()
    {
        tab.setInit(nullptr);
        WidWebView* view = tab.webView();
        if (!view)
            return false;
        QSignalSpy loaded(view->page(), &QWebPage::loadFinished);
        view->setHtml(QString::fromLatin1(page), QUrl(QStringLiteral("http://127.0.0.1/")));
        if (loaded.count() == 0 && !loaded.wait(10000))
            return false;
        panel = new ExtSelector;
        tab.setExtension(panel);
        return panel->selectorBox() != nullptr;
    }

    QWebFrame* frame() const { return tab.webView()->page()->mainFrame(); }
    bool bordered(const QString& css) const
    {
        const QString style = frame()->findFirstElement(css).styleProperty(QStringLiteral("border"),
                                                                            QWebElement::InlineStyle);
        return style.contains(QStringLiteral("2px")) && style.contains(QStringLiteral("solid"));
    }
    void type(const QString& text) { panel->selectorBox()->setEditText(text); }
};

} // namespace

class SelectorToolTest : public QObject
{
    Q_OBJECT

private slots:
    void parsePrintsKeepsHistoryAndTellsErrors()
    {
        Fixture f;
        QVERIFY(f.start());
        WidSelectorComboBox* box = f.panel->selectorBox();
        f.type(QStringLiteral("xtext[Name=\"q\"]"));
        f.panel->parseButton()->click();
        QCOMPARE(f.panel->parsedEdit()->text(), QStringLiteral("INPUT[type=\"text\"&&name=\"q\"]"));
        QCOMPARE(f.panel->parsedEdit()->cursorPosition(), 0);
        QVERIFY(f.panel->messageEdit()->toPlainText().isEmpty());
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(1), QStringLiteral("xtext[Name=\"q\"]"));

        f.type(QStringLiteral("XTEXT[name=\"Q\"]")); // the same ignoring case
        f.panel->parseButton()->click();
        QCOMPARE(box->count(), 2);
        f.type(QStringLiteral("selectors")); // the first item counts as history
        f.panel->parseButton()->click();
        QCOMPARE(box->count(), 2);

        // A failed text is told in words and not kept; markup in it stays text.
        f.type(QStringLiteral("H1"));
        f.panel->parseButton()->click();
        QVERIFY(f.panel->parsedEdit()->text().isEmpty());
        QCOMPARE(f.panel->messageEdit()->toPlainText(), QStringLiteral("Invalid character at pos. 2. Selector: H1"));
        QCOMPARE(box->count(), 2);
        f.type(QStringLiteral("A[name=\"<b>&amp;\"]:H1"));
        f.panel->parseButton()->click();
        QVERIFY(f.panel->messageEdit()->toPlainText().endsWith(QStringLiteral("Selector: A[name=\"<b>&amp;\"]:H1")));

        f.type(QStringLiteral("   ")); // nothing to print, nothing kept
        f.panel->parseButton()->click();
        QVERIFY(f.panel->parsedEdit()->text().isEmpty());
        QCOMPARE(box->count(), 2);
    }

    void highlightMarksWhatTheSelectorFinds()
    {
        Fixture f;
        QVERIFY(f.start());
        // A failed parse still highlights the steps read before the fault.
        f.type(QStringLiteral("INPUT:H1"));
        f.panel->highlightButton()->click();
        QVERIFY(!f.panel->messageEdit()->toPlainText().isEmpty());
        QVERIFY(f.bordered(QStringLiteral("input[name=a]")));
        QVERIFY(f.bordered(QStringLiteral("input[name=b]")));
        QVERIFY(!f.bordered(QStringLiteral("#d")));

        // Return in the box highlights too; earlier borders stay.
        f.type(QStringLiteral("DIV[id=\"d\"]"));
        QTest::keyClick(f.panel->selectorBox(), Qt::Key_Return);
        QVERIFY(f.bordered(QStringLiteral("#d")));
        QVERIFY(f.bordered(QStringLiteral("input[name=a]")));
        QCOMPARE(f.panel->parsedEdit()->text(), QStringLiteral("DIV[id=\"d\"]"));
        QCOMPARE(f.panel->selectorBox()->count(), 2); // Return itself inserts nothing more

        f.type(QStringLiteral("P"));
        emit f.panel->toolbar()->onHighlight();
        QVERIFY(f.bordered(QStringLiteral("#p")));
    }

    // Copy puts the typed selector on the clipboard; with an empty box it
    // leaves whatever the clipboard held.
    void copyPutsTheTypedText()
    {
        Fixture f;
        QVERIFY(f.start());
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        f.type(QString());
        f.panel->toolbar()->copyButton()->click();
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        f.type(QStringLiteral("input [name = \"x\"]"));
        f.panel->toolbar()->copyButton()->click();
        QCOMPARE(clipboard->text(), QStringLiteral("input [name = \"x\"]"));
    }
};

TESVAR_TEST(SelectorToolTest)
#include "SelectorToolTest.moc"
