#include "MemoryPageDom.h"
#include "SmartTestPage.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "automation/smart/SmartArticle.h"
#include "automation/smart/SmartElementLookup.h"
#include "automation/smart/SmartLabel.h"
#include "automation/smart/SmartLabelIds.h"
#include "automation/smart/SmartLabelLookup.h"
#include "automation/smart/SmartLogin.h"
#include "automation/smart/SmartRegistration.h"
#include "texts/LocaleSmart.h"

#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <vector>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

// Adds well-formed markup below the parent, as the web engine reads the same
// text: elements, attributes and texts (white space included).
void build(MemoryPageDom& page, int parent, const QString& markup)
{
    QXmlStreamReader xml(QStringLiteral("<x>") + markup + QStringLiteral("</x>"));
    std::vector<int> open{parent};
    xml.readNext();
    xml.readNext();
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            QMap<QString, QString> attributes;
            for (const QXmlStreamAttribute& a : xml.attributes())
                attributes.insert(a.name().toString(), a.value().toString());
            open.push_back(page.add(open.back(), xml.name().toString(), attributes));
        } else if (token == QXmlStreamReader::EndElement && open.size() > 1) {
            open.pop_back();
        } else if (token == QXmlStreamReader::Characters) {
            page.addText(open.back(), xml.text().toString());
        }
    }
    QVERIFY2(!xml.hasError() || xml.error() == QXmlStreamReader::PrematureEndOfDocumentError,
             qPrintable(xml.errorString()));
}

// A page of the site "http://a:80" whose body holds the markup.
int body(MemoryPageDom& page, const QString& markup = QString())
{
    page.setSource(page.root(), QStringLiteral("http://a:80"), QUrl(QStringLiteral("http://a/page.html")));
    const int id = page.add(page.root(), QStringLiteral("body"));
    build(page, id, markup);
    return id;
}

// "key=kind" per control the recogniser keeps, then why it failed: on the
// page held in memory and on the web engine's.
template <class Recogniser>
QPair<QStringList, QStringList> onBoth(PageDom& page, QWebView& view)
{
    Recogniser recogniser(nullptr);
    recogniser.analyse(page);
    QStringList inMemory = kinds(recogniser.elements());
    if (recogniser.error())
        inMemory << recogniser.error()->reason();
    QString reason;
    QStringList onEngine = recognised<Recogniser>(view, &reason);
    if (!reason.isEmpty())
        onEngine << reason;
    return {inMemory, onEngine};
}

// The chain of an entry as walking up its parents gives it.
PageElements walkedUp(const SmartLabel* label)
{
    PageElements chain;
    for (PageElement e = label->isText() ? label->source() : label->element(); !e.isNull(); e = e.parent())
        chain.append(e);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

} // namespace

// Smart recognition on a page held in memory: the same rules as on the web
// engine's page, through the page access alone.
class SmartMemoryPageTest : public QObject
{
    Q_OBJECT

private slots:
    // The same markup, read by the web engine and held in memory, is
    // recognised alike, failures included.
    void recognitionAsOnTheEngine_data()
    {
        addColumns<QString, QString, QStringList>("kind", "markup", "expected");
        QTest::newRow("registration by labels") << "registration" << QStringLiteral(
            "<form action='/join'><h2>Create your account</h2>\n"
            "<div><b>First name</b> <input name='a1'/></div>\n"
            "<div><label for='ln'>Last name</label> <input id='ln' name='a2'/></div>\n"
            "<p>E-mail: <input name='a3'/></p>\n"
            "<p><span>Password</span> <input type='password' name='a4'/> <i>at least six letters</i></p>\n"
            "<p><label><input type='checkbox' name='a5'/> I agree to the terms</label></p>\n"
            "<p><input type='checkbox' name='a6'/> Send me the newsletter</p></form>")
            << split("a1=1 ln=3 a3=14 a4=13 a5=26 a6=27");
        QTest::newRow("article in blocks") << "article" << QStringLiteral(
            "<div><div class='row'><div>Title</div><div><input name='t1'/></div></div>\n"
            "<div class='row'><div>Tags</div><div><input name='t2'/></div></div>\n"
            "<div class='row'><div>Article body</div><div><textarea name='t3'></textarea></div></div>\n"
            "<fieldset><legend>Categories</legend><input type='checkbox' name='c1'/> Sport "
            "<input type='checkbox' name='c2'/> Travel</fieldset></div>")
            << split("t1=29 t2=30 t3=37 c1=32 c2=32");
        QTest::newRow("login after a search") << "login" << QStringLiteral(
            "<form action='/s'><input name='q'/><input type='submit' value='Go'/></form>\n"
            "<form action='/in'>User <input name='u'/> Password <input type='password' name='p'/>"
            "<input type='submit' name='go'/></form>")
            << split("u=12 p=13 go=34");
        QTest::newRow("no form") << "registration" << QStringLiteral("<p>Nothing to fill</p>")
                                 << QStringList{LocaleSmart::noVisibleElement()};
    }

    void recognitionAsOnTheEngine()
    {
        QFETCH(QString, kind);
        QFETCH(QString, markup);
        QFETCH(QStringList, expected);
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral("<html><body>") + markup + QStringLiteral("</body></html>")));
        MemoryPageDom page;
        body(page, markup);
        const auto found = kind == QLatin1String("login") ? onBoth<SmartLogin>(page, view)
            : kind == QLatin1String("article")            ? onBoth<SmartArticle>(page, view)
                                                          : onBoth<SmartRegistration>(page, view);
        QCOMPARE(found.second, expected);
        QCOMPARE(found.first, found.second);
    }

    // Label entries read their ancestors off the walk: the same chain as
    // walking up, and the same elements for the ancestors they share.
    void labelEntriesShareTheirAncestors()
    {
        MemoryPageDom page;
        body(page, QStringLiteral("<div><form id='f'><h3>Join</h3>"
                                  "<p>Name <b>and</b> <i>surname</i> <input name='n'/> please</p>"
                                  "<p><label for='m'>Mail</label></p><span><input id='m' name='m'/></span>"
                                  "<label><em>I agree</em><input type='checkbox' name='c'/></label></form></div>"));
        QObject owner;
        SmartLabelLookup lookup(nullptr);
        lookup.lookup(page.selectFirst(page.documentElement(), QStringLiteral("form")), &owner);
        QStringList entries;
        for (const SmartLabel* label : lookup.labels()) {
            entries << (label->isText() ? label->text() : QLatin1Char('<') + label->name() + QLatin1Char('>'));
            const PageElements chain = walkedUp(label);
            QCOMPARE(label->ancestors(), chain);
            // HTML, BODY, DIV and FORM.
            for (int i = 0; i < 4; ++i)
                QCOMPARE(label->ancestors().at(i).id(), lookup.labels().first()->ancestors().at(i).id());
        }
        QCOMPARE(entries, (QStringList{"Join", "Name", "and", "surname", "<n>", "please", "Mail", "<m>", "I agree",
                                       "<c>"}));
        // A LABEL names its "for" control, else the control inside it.
        QCOMPARE(lookup.labels().at(6)->labelTarget(), lookup.labels().at(7)->element());
        QCOMPARE(lookup.labels().at(8)->labelTarget(), lookup.labels().at(9)->element());
        QVERIFY(lookup.labels().at(1)->labelTarget().isNull());
    }

    // A LABEL finds the box it names by id among the page's ids, read once a
    // recognition: a form four times larger, every box labelled so, asks
    // four times the work of the page, not sixteen.
    void labelledFormGrowsWithItsBoxes()
    {
        MemoryPageDom small;
        MemoryPageDom large;
        small.addForm(100, true);
        large.addForm(400, true);
        const qint64 reads = SmartLabelIds::readsForTests();
        for (MemoryPageDom* page : {&small, &large}) {
            page->work = 0;
            SmartRegistration recogniser(nullptr);
            recogniser.analyse(*page);
        }
        QVERIFY2(large.work <= 8 * small.work,
                 qPrintable(QStringLiteral("%1, four times the form %2").arg(small.work).arg(large.work)));
        QCOMPARE(SmartLabelIds::readsForTests() - reads, 100 + 400);
    }

    // Frames of the page's own site, and frames a script wrote, are walked
    // after their IFRAME; a frame of another site is not. An IFRAME without
    // id or name is kept when its document is an editor.
    void framesOfTheSite_data()
    {
        addColumns<QString, QString, bool, QString, bool, QStringList>("origin", "address", "designMode",
                                                                       "bodyEditable", "named", "kept");
        const QString site = QStringLiteral("http://a:80");
        const QString other = QStringLiteral("http://b:80");
        const QString page = QStringLiteral("http://a/f.html");
        const QString foreign = QStringLiteral("http://b/f.html");
        const QString none = QStringLiteral("-");
        QTest::newRow("same site") << site << page << false << none << true << QStringList{"f", "x"};
        QTest::newRow("other site") << other << foreign << false << none << true << QStringList{"f"};
        QTest::newRow("written by a script") << other << QString() << false << none << true << QStringList{"f", "x"};
        QTest::newRow("blank") << other << "about:blank" << false << none << true << QStringList{"f", "x"};
        QTest::newRow("editor in design mode") << site << QString() << true << none << false << QStringList{"", "x"};
        QTest::newRow("editable body") << site << QString() << false << "" << false << QStringList{"", "x"};
        QTest::newRow("body editable true") << site << page << false << "TRUE" << false << QStringList{"", "x"};
        QTest::newRow("body not editable") << site << page << false << "false" << false << QStringList{"x"};
        QTest::newRow("plain frame") << site << page << false << none << false << QStringList{"x"};
        QTest::newRow("editor of another site") << other << foreign << true << none << false << QStringList();
    }

    void framesOfTheSite()
    {
        QFETCH(QString, origin);
        QFETCH(QString, address);
        QFETCH(bool, designMode);
        QFETCH(QString, bodyEditable);
        QFETCH(bool, named);
        QFETCH(QStringList, kept);
        MemoryPageDom page;
        QMap<QString, QString> frameAttributes;
        if (named)
            frameAttributes.insert(QStringLiteral("name"), QStringLiteral("f"));
        const int document = page.addFrame(page.add(body(page), QStringLiteral("div")), frameAttributes);
        page.setSource(document, origin, QUrl(address), designMode);
        QMap<QString, QString> bodyAttributes;
        if (bodyEditable != QLatin1String("-"))
            bodyAttributes.insert(QStringLiteral("contenteditable"), bodyEditable);
        build(page, page.add(document, QStringLiteral("body"), bodyAttributes),
              QStringLiteral("<form><input name='x'/></form>"));

        QObject owner;
        SmartElementLookup lookup(nullptr);
        lookup.setText(true);
        lookup.setIFrame(true);
        lookup.lookup(page, &owner);
        QStringList names;
        for (const SmartElement* e : lookup.filteredElements())
            names << e->name();
        QCOMPARE(names, kept);
    }
};

TESVAR_TEST(SmartMemoryPageTest)
#include "SmartMemoryPageTest.moc"
