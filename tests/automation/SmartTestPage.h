#pragma once

#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartError.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QSignalSpy>
#include <QString>
#include <QUrl>
#include <QWebElement>
#include <QWebFrame>
#include <QWebView>

// Shared by the smart recognition tests: loads a page into an offscreen
// view and lists the recognised controls.
namespace SmartTestPage {

// setHtml can finish loading before it returns, so the spy comes first.
inline bool setHtml(QWebView& view, const QString& html)
{
    QSignalSpy done(&view, &QWebView::loadFinished);
    view.setHtml(html, QUrl(QStringLiteral("file:///fixture/")));
    if (done.isEmpty() && !done.wait(10000))
        return false;
    return done.first().first().toBool();
}

inline QString resource(const QString& name)
{
    QFile file(QStringLiteral(":/smart/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

inline bool load(QWebView& view, const QString& name)
{
    const QString html = resource(name);
    return !html.isEmpty() && setHtml(view, html);
}

// The first element the CSS selector names on the page the controls were
// found on, through their page access: labels read from it and the controls
// then name their elements alike.
inline Vexal::PageElement elementOf(const QList<Vexal::SmartElement*>& controls, const QString& selector)
{
    Vexal::PageDom* dom = controls.isEmpty() ? nullptr : controls.first()->element().dom();
    return dom ? dom->selectFirst(dom->documentElement(), selector) : Vexal::PageElement();
}

// "key=kind" per control, key being the id, else the name, else the value;
// "?" after the kind of a box left for the user to answer.
inline QStringList kinds(const QList<Vexal::SmartElement*>& list)
{
    QStringList result;
    for (const Vexal::SmartElement* e : list) {
        QString key = e->id();
        if (key.isEmpty())
            key = e->name();
        if (key.isEmpty())
            key = e->value();
        if (e->type() == Vexal::SmartElement::TypeRadio)
            key += QLatin1Char('/') + e->value();
        result << QStringLiteral("%1=%2").arg(key, QString::number(e->kind()))
                + (e->asksUser() ? QStringLiteral("?") : QString());
    }
    return result;
}

// Runs one recogniser over the page the view shows: "key=kind" per control
// it keeps, and why it failed (empty when it did not).
template <class Recogniser>
QStringList recognised(QWebView& view, QString* reason = nullptr, bool logOn = false)
{
    Recogniser recogniser(nullptr);
    recogniser.setLogEnabled(logOn);
    recogniser.analyse(Vexal::PageDomHandle(&view));
    recogniser.setLogEnabled(false);
    if (reason)
        *reason = recogniser.error() ? recogniser.error()->reason() : QString();
    return kinds(recogniser.elements());
}

// The live property (the value unless said) of the control of that name,
// else of that id.
inline QString valueOf(QWebView& view, const QString& name, const char* property = "value")
{
    return view.page()
        ->mainFrame()
        ->findFirstElement(QStringLiteral("[name=\"%1\"], [id=\"%1\"]").arg(name))
        .evaluateJavaScript(QStringLiteral("String(this.%1)").arg(QLatin1String(property)))
        .toString();
}

// The named controls' values written like `wanted` ("name=value|..."), so
// that a whole form compares at once; "name?" reads the checked state,
// "name/body" the text of a frame's body.
inline QString valuesLike(QWebView& view, const QString& wanted)
{
    const QString body = QStringLiteral("/body");
    QStringList pairs;
    for (const QString& pair : wanted.split(QLatin1Char('|'))) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        const bool checked = name.endsWith(QLatin1Char('?'));
        const bool frame = name.endsWith(body);
        pairs << name + QLatin1Char('=')
                + (checked ? valueOf(view, name.chopped(1), "checked")
                   : frame ? valueOf(view, name.chopped(body.size()), "contentDocument.body.textContent")
                           : valueOf(view, name));
    }
    return pairs.join(QLatin1Char('|'));
}

// Counts the forms a button sends (window.sent), whatever button: a submit
// or a picture. The form is kept from going unless it may go.
inline void watchSubmit(QWebView& view, bool mayGo = false)
{
    view.page()->mainFrame()->evaluateJavaScript(
        QStringLiteral("window.sent = 0; document.addEventListener('submit', function (e) {"
                       " window.sent++; if (!%1) e.preventDefault(); }, true);")
            .arg(mayGo ? QLatin1String("true") : QLatin1String("false")));
}

inline QStringList split(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace SmartTestPage
