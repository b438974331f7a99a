#include "TestRunner.h"
#include "SmartTestPage.h"

#include "automation/SmartArticle.h"
#include "automation/SmartDirectory.h"
#include "automation/SmartError.h"
#include "automation/SmartLogin.h"
#include "automation/SmartRegistration.h"
#include "automation/SmartSocialBookmark.h"
#include "texts/LocaleSmart.h"

#include <QtTest>

using namespace Vexal;
using namespace SmartTestPage;

namespace {

struct Outcome {
    QString reason;
    int count = 0;
};

template <class Recogniser>
Outcome analyse(QWebView& view)
{
    Recogniser recogniser(nullptr);
    recogniser.setLogEnabled(false);
    recogniser.analyse(&view);
    Outcome outcome;
    outcome.reason = recogniser.error() ? recogniser.error()->reason() : QString();
    outcome.count = recogniser.elements().size();
    return outcome;
}

// Every recogniser on one page: a result or an error, never both empty.
QStringList analyseAll(QWebView& view)
{
    QStringList results;
    for (const Outcome& o : {analyse<SmartLogin>(view), analyse<SmartRegistration>(view),
                             analyse<SmartArticle>(view), analyse<SmartDirectory>(view),
                             analyse<SmartSocialBookmark>(view)}) {
        results << (o.reason.isEmpty() ? QString::number(o.count) : o.reason);
    }
    return results;
}

} // namespace

class SmartBadInputTest : public QObject
{
    Q_OBJECT

private slots:
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
        article.analyse(&view);
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
        article.analyse(&view);
        QVERIFY(!article.error());
        QCOMPARE(article.elements().size(), 3001);
        QCOMPARE(article.elements().last()->kind(), 29);
        QCOMPARE(analyseAll(view), (QStringList{LocaleSmart::emptyLoginForm(), LocaleSmart::noRecognizedElement(),
                                                QStringLiteral("3001"), QStringLiteral("3002"),
                                                QStringLiteral("3002")}));
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
        social.analyse(&view);
        QVERIFY(!social.error());
        QCOMPARE(kinds(social.elements()), (QStringList{"k1=0", "title=29"}));
        QCOMPARE(analyseAll(view).size(), 5);
    }
};

TESVAR_TEST(SmartBadInputTest)
#include "SmartBadInputTest.moc"
