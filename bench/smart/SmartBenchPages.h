#pragma once

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

// The pages the recognition benchmarks read, shared by the timed benchmarks
// and the program that counts instructions under callgrind.
namespace SmartBenchPages {

// A registration-like page with that many fields (500 unless said): table
// rows of a label and a control, with a search form before the main one; or
// the same rows as DIVs outside any FORM or table, which takes the block
// climb. Labelled, each label is a LABEL that names its control by its id.
inline QString page500(bool blocks = false, int fields = 500, bool labelled = false)
{
    static const char* const labels[] = {"First name", "Last name", "E-mail", "Password", "Phone number",
                                         "City", "Street address", "Zip code", "Website", "Nickname"};
    QString html = QStringLiteral(
        "<html><head><style>.row td { padding: 2px; } .hint { color: gray; }</style></head><body>"
        "<form id='search'><input name='q'><input type='submit' value='Go'></form>"
        "<h1>Join</h1><form id='main'><table>");
    for (int i = 0; i < fields; ++i) {
        const QString label = QString::fromLatin1(labels[i % 10]);
        QString control;
        switch (i % 25) {
        case 5:
            control = QStringLiteral("<select name='s%1'><option>Year</option><option>1990</option></select>").arg(i);
            break;
        case 11:
            control = QStringLiteral("<input type='checkbox' name='c%1'> <span class='hint'>I agree</span>").arg(i);
            break;
        case 17:
            control = QStringLiteral("<input type='radio' name='r%1' value='m'> Male").arg(i);
            break;
        default:
            control = QStringLiteral("<input type='text' name='f%1'>").arg(i);
            break;
        }
        if (labelled) {
            control.replace(QLatin1String(" name="), QStringLiteral(" id='b%1' name=").arg(i));
            html += QStringLiteral("<tr class='row'><td><label for='b%1'><b>%2</b></label></td><td>%3</td></tr>")
                        .arg(QString::number(i), label, control);
        } else {
            html += QStringLiteral("<tr class='row'><td><b>%1</b></td><td>%2</td></tr>").arg(label, control);
        }
    }
    html += QStringLiteral("</table><input type='submit' value='Join'></form></body></html>");
    if (blocks) {
        html.replace(QLatin1String("<form id='main'><table>"), QLatin1String("<div id='main'>"));
        html.replace(QLatin1String("</table><input type='submit' value='Join'></form>"), QLatin1String("</div>"));
        html.replace(QLatin1String("<tr class='row'><td>"), QLatin1String("<div class='row'><div>"));
        html.replace(QLatin1String("</td><td>"), QLatin1String("</div><div>"));
        html.replace(QLatin1String("</td></tr>"), QLatin1String("</div></div>"));
    }
    return html;
}

// Loads the page into the view; false when it did not load in 30 s.
inline bool load(QWebView& view, const QString& html)
{
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(view.page(), &QWebPage::loadFinished, &loop, [&] {
        loaded = true;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    view.setHtml(html, QUrl(QStringLiteral("http://127.0.0.1/")));
    if (!loaded)
        loop.exec();
    return loaded;
}

// The least any recognition asks of the engine on the page the view shows:
// every element's tag, id, name and cascaded display, read once through the
// engine's own calls. Gives the characters read.
inline int walkPage(QWebView& view)
{
    int read = 0;
    for (const QWebElement& e : view.page()->mainFrame()->findAllElements(QStringLiteral("*"))) {
        read += e.tagName().size() + e.attribute(QStringLiteral("id")).size()
            + e.attribute(QStringLiteral("name")).size()
            + e.styleProperty(QStringLiteral("display"), QWebElement::CascadedStyle).size();
    }
    return read;
}

} // namespace SmartBenchPages
