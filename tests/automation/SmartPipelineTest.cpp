#include "TestRunner.h"
#include "SmartTestPage.h"

#include "automation/smart/SmartArticle.h"
#include "automation/smart/SmartDirectory.h"
#include "automation/smart/SmartLog.h"
#include "automation/smart/SmartLogin.h"
#include "automation/smart/SmartRegistration.h"
#include "automation/smart/SmartSocialBookmark.h"
#include "shell/PageDomFactory.h"
#include "texts/LocaleSmart.h"

#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

class SmartPipelineTest : public QObject
{
    Q_OBJECT

    // Runs one recogniser over a page (a resource name or inline markup).
    template <class Recogniser>
    QStringList run(const QString& page, QString* reason = nullptr)
    {
        QWebView view;
        const bool loaded = page.endsWith(QLatin1String(".html")) ? load(view, page) : setHtml(view, page);
        return loaded ? recognised<Recogniser>(view, reason) : QStringList{QStringLiteral("load failed")};
    }

    template <class Recogniser>
    static QString outcome(QWebView& view)
    {
        QString reason;
        const int count = recognised<Recogniser>(view, &reason).size();
        return reason.isEmpty() ? QString::number(count) : reason;
    }

    // Every recogniser on one page: the count it keeps or why it failed.
    static QStringList analyseAll(QWebView& view)
    {
        return {outcome<SmartLogin>(view), outcome<SmartRegistration>(view), outcome<SmartArticle>(view),
                outcome<SmartDirectory>(view), outcome<SmartSocialBookmark>(view)};
    }

private slots:
    void login()
    {
        QString reason;
        // The search form fails the login rule; the nameless submit stays, the
        // nameless text and the bare button do not take part.
        QCOMPARE(run<SmartLogin>(QStringLiteral("login.html"), &reason), split("user=12 pwd=13 Log_in=34")
                 .replaceInStrings(QStringLiteral("_"), QStringLiteral(" ")));
        QVERIFY(reason.isEmpty());
        QCOMPARE(run<SmartLogin>(QStringLiteral("login-two-texts.html"), &reason),
                 split("mail=12 uname=38 pw=13 go=34"));
        QCOMPARE(run<SmartLogin>(QStringLiteral("registration.html"), &reason), QStringList());
        QCOMPARE(reason, LocaleSmart::emptyLoginForm());
    }

    void formKinds()
    {
        QString reason;
        QCOMPARE(run<SmartRegistration>(QStringLiteral("registration.html"), &reason),
                 split("fname=1 lname=3 login=12 nick=38 pass1=13 pass2=13 email=14 email2=14 sx/1=8 sx/2=7 "
                       "b1=9 b2=10 b3=11 cntry=18 tel=24 addr=21 town=19 pc=23 tos=26 remember=27 newsletter=27"));
        QVERIFY(reason.isEmpty());
        QCOMPARE(run<SmartArticle>(QStringLiteral("article.html"), &reason),
                 split("cat=32 t1=29 kw=30 about=35 art_summary=36 a_txt=37 pn=38 captcha_code=28 agree_box=26"));
        QVERIFY(reason.isEmpty());
        QCOMPARE(run<SmartDirectory>(QStringLiteral("directory.html"), &reason),
                 split("category_id=32 t=29 u1=15 u2=38 d=31 x1=4 x2=14 lt/1=33 lt/2=38 c1=26"));
        QVERIFY(reason.isEmpty());
        QCOMPARE(run<SmartSocialBookmark>(QStringLiteral("social.html"), &reason),
                 split("url=15 title=29 tags=30 desc_limit=38 n=31 private=27"));
        QVERIFY(reason.isEmpty());
    }

    void failures()
    {
        QString reason;
        // Every control alone in its container.
        QCOMPARE(run<SmartArticle>(QStringLiteral(
                     "<body><form><input name='title'></form><form><input name='tags'></form></body>"), &reason),
                 QStringList());
        QCOMPARE(reason, LocaleSmart::emptySelectedForm());
        // Nothing recognisable: the controls stay with their kinds.
        QCOMPARE(run<SmartArticle>(QStringLiteral(
                     "<body><form><input name='foo'><input name='bar'></form></body>"), &reason),
                 split("foo=0 bar=0"));
        QCOMPARE(reason, LocaleSmart::noRecognizedElement());
        QCOMPARE(run<SmartRegistration>(QStringLiteral("<body><p>Nothing here</p></body>"), &reason), QStringList());
        QCOMPARE(reason, LocaleSmart::noVisibleElement());
        // A message form is no sign-up: with no other form there is none.
        QCOMPARE(run<SmartRegistration>(QStringLiteral(
                     "<body><form><p>Name <input name='n'></p><p>E-mail <input name='m'></p>"
                     "<p>Your message<br><textarea name='t'></textarea></p></form></body>"), &reason),
                 QStringList());
        QCOMPARE(reason, LocaleSmart::noMainForm());
        // No form scores: the controls of both forms stay (a box named to
        // agree that shows no words is not ticked).
        QCOMPARE(run<SmartArticle>(QStringLiteral(
                     "<body><form><input type='checkbox' name='a'><input type='checkbox' name='b'></form>"
                     "<form><input type='checkbox' name='news'><input type='checkbox' name='agree'></form></body>"),
                     &reason),
                 split("a=27 b=27 news=27 agree=27"));
        QVERIFY(reason.isEmpty());
        // A missing view is a failure, not an empty success.
        SmartDirectory recogniser(nullptr);
        recogniser.analyse(PageDomHandle(static_cast<QWebView*>(nullptr)));
        QVERIFY(recogniser.error());
        QCOMPARE(recogniser.error()->reason(), QStringLiteral("View"));
        QVERIFY(recogniser.elements().isEmpty());
    }

    void smallSocialPagesSkipTheFormChoice()
    {
        QString reason;
        QCOMPARE(run<SmartSocialBookmark>(QStringLiteral(
                     "<body><form><input name='url'><input name='title'></form><p><input name='tags'></p></body>"),
                     &reason),
                 split("url=15 title=29 tags=30"));
        QVERIFY(reason.isEmpty());
        QCOMPARE(run<SmartSocialBookmark>(QStringLiteral("<body><input type='submit' name='go'></body>"), &reason),
                 QStringList());
        QCOMPARE(reason, LocaleSmart::emptySelectedForm());
    }

    void demoFillAndReportOnlyWhenSwitchedOn()
    {
        SmartLog* report = SmartLog::instance();
        for (const bool on : {false, true}) {
            QWebView view;
            QVERIFY(load(view, QStringLiteral("directory.html")));
            const int start = report->text().size();
            SmartDirectory recogniser(nullptr);
            recogniser.setLogEnabled(on);
            recogniser.analyse(PageDomHandle(&view));
            recogniser.setLogEnabled(false);
            QVERIFY(!recogniser.error());
            QWebFrame* frame = view.page()->mainFrame();
            const QVariant title = frame->findFirstElement(QStringLiteral("[name=t]"))
                                       .evaluateJavaScript(QStringLiteral("this.value"));
            const QVariant terms = frame->findFirstElement(QStringLiteral("[name=c1]"))
                                       .evaluateJavaScript(QStringLiteral("this.checked"));
            const QString written = report->text().mid(start);
            if (!on) {
                QCOMPARE(title.toString(), QString());
                QCOMPARE(terms.toBool(), false);
                QVERIFY(written.isEmpty());
                continue;
            }
            QCOMPARE(title.toString(), QStringLiteral("Title"));
            QCOMPARE(terms.toBool(), true);
            for (const char* section : {"\nELEMENTS\n", "\nATTRIBUTES\n", "\nLABELS\n"})
                QVERIFY(written.contains(QLatin1String(section)));
            QVERIFY(written.contains(QStringLiteral("\nRESULTING\n\n   Elements: 10\n")));
        }

        QWebView view;
        QVERIFY(load(view, QStringLiteral("login.html")));
        SmartLogin login(nullptr);
        login.setLogEnabled(true);
        login.analyse(PageDomHandle(&view));
        login.setLogEnabled(false);
        QWebFrame* frame = view.page()->mainFrame();
        QCOMPARE(frame->findFirstElement(QStringLiteral("[name=user]")).attribute(QStringLiteral("value")),
                 QStringLiteral("kerwitaplo441"));
        QCOMPARE(frame->findFirstElement(QStringLiteral("[name=pwd]")).evaluateJavaScript(QStringLiteral("this.value"))
                     .toString(),
                 QStringLiteral("Qm7rXwpK"));
        QVERIFY(frame->findFirstElement(QStringLiteral("[name=q]")).attribute(QStringLiteral("value")).isEmpty());
    }

    // Hostile and odd pages: every recogniser gives a result or a reason.
    void pagesWithoutForms()
    {
        QWebView view;
        const QString none = LocaleSmart::noVisibleElement();
        const QString empty = LocaleSmart::emptySelectedForm();
        QVERIFY(setHtml(view, QStringLiteral("<html><body><h1>Hello</h1><p>No form.</p></body></html>")));
        QCOMPARE(analyseAll(view), (QStringList{none, none, none, none, empty}));
        QVERIFY(setHtml(view, QString()));
        QCOMPARE(analyseAll(view), (QStringList{none, none, none, none, empty}));
        QVERIFY(setHtml(view, QStringLiteral(
            "<frameset rows='50%,50%'><frame src='about:blank'><frame src='about:blank'></frameset>")));
        QCOMPARE(analyseAll(view), (QStringList{none, none, none, none, empty}));
    }

    void framesAndBrokenMarkup()
    {
        QWebView view;
        // An IFRAME is a control of its own; its document is not entered.
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form><p>Title <input name='t'></p>"
            "<iframe name='body' srcdoc='<form><input name=x><input name=y></form>'></iframe></form></body>")));
        SmartArticle article(nullptr);
        article.analyse(PageDomHandle(&view));
        QVERIFY(!article.error());
        QCOMPARE(kinds(article.elements()), (QStringList{"t=29", "body=37"}));

        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form><table><tr><td>Title<input name='title'<td><b>Tags</span><input name=tags>"
            "</tr><div><textarea name='desc'>unclosed <input name=x></form></table><select name=s><option>"
            "<p><input type=password name=p")));
        const QStringList results = analyseAll(view);
        QCOMPARE(results.size(), 5);
        for (const QString& result : results)
            QVERIFY(!result.isEmpty());
    }

    void thousandsOfFields()
    {
        QString html = QStringLiteral("<body><form>");
        for (int i = 0; i < 3000; ++i)
            html += QStringLiteral("<p>Field %1 <input name='f%1'></p>").arg(i);
        html += QStringLiteral("<p>Title <input name='title'></p><input type='password' name='p'></form></body>");
        QWebView view;
        QVERIFY(setHtml(view, html));
        SmartArticle article(nullptr);
        article.analyse(PageDomHandle(&view));
        QVERIFY(!article.error());
        QCOMPARE(article.elements().size(), 3001);
        QCOMPARE(article.elements().last()->kind(), 29);
        QCOMPARE(analyseAll(view), (QStringList{LocaleSmart::emptyLoginForm(), LocaleSmart::noRecognizedElement(),
                                                QStringLiteral("3001"), QStringLiteral("3002"),
                                                QStringLiteral("3002")}));
    }

    // Recognition costs what the form holds: four times the fields ask at
    // most 4.2 times the elements of the page (counted, so that a busy
    // machine cannot sway it; the time is the benchmark's). Rows of a label
    // and a box, and lists of check boxes, each read for whether they list
    // categories.
    void costGrowsWithTheForm()
    {
        auto form = [](int rows) -> QString {
            static const char* const labels[] = {"First name", "Last name", "E-mail", "Phone", "City"};
            QString html = QStringLiteral("<body><form><table>");
            for (int i = 0; i < rows; ++i) {
                if (i % 10 == 9)
                    html += QStringLiteral("<tr><td><b>Topics</b></td><td><input type='checkbox' name='c%1'> Sport "
                                           "<input type='checkbox' name='d%1'> News</td></tr>").arg(i);
                else
                    html += QStringLiteral("<tr><td>%1</td><td><input name='f%2'></td></tr>")
                                .arg(QLatin1String(labels[i % 5])).arg(i);
            }
            return html + QStringLiteral("</table></form></body>");
        };
        QWebView small;
        QWebView large;
        QVERIFY(setHtml(small, form(500)) && setHtml(large, form(2000)));
        auto recognise = [](QWebView& view) {
            const PageDomHandle page = PageDomFactory::forView(&view);
            const qint64 before = page->madeElements();
            SmartRegistration recogniser(nullptr);
            recogniser.analyse(*page);
            return qMakePair(recogniser.elements().size(), page->madeElements() - before);
        };
        const auto smallRun = recognise(small);
        const auto largeRun = recognise(large);
        QCOMPARE(largeRun.first, 2200);
        QVERIFY2(largeRun.second * 10 <= smallRun.second * 42,
                 qPrintable(QStringLiteral("%1 elements, four times the form %2").arg(smallRun.second)
                                .arg(largeRun.second)));
    }

    void deeplyNestedMarkup()
    {
        // Built by script, so the parser's own depth limit does not apply.
        QWebView view;
        QVERIFY(setHtml(view, QStringLiteral(
            "<body><form id='f'><div id='deep'></div><p>Title <input name='title'></p></form><script>"
            "var d = document.getElementById('deep');"
            "for (var i = 0; i < 3000; ++i) { var n = document.createElement('div'); d.appendChild(n); d = n; }"
            "d.appendChild(document.createTextNode('Keywords'));"
            "var t = document.createElement('input'); t.name = 'k1'; d.appendChild(t);"
            "</script></body>")));
        QCOMPARE(view.page()->mainFrame()->findAllElements(QStringLiteral("input")).count(), 2);
        SmartSocialBookmark social(nullptr);
        social.analyse(PageDomHandle(&view));
        QVERIFY(!social.error());
        QCOMPARE(kinds(social.elements()), (QStringList{"k1=0", "title=29"}));
        QCOMPARE(analyseAll(view).size(), 5);
    }
};

TESVAR_TEST(SmartPipelineTest)
#include "SmartPipelineTest.moc"
