#pragma once

#include "automation/SmartElement.h"
#include "automation/SmartError.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QSignalSpy>
#include <QString>
#include <QUrl>
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

// "key=kind" per control, key being the id, else the name, else the value.
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
        result << QStringLiteral("%1=%2").arg(key, QString::number(e->kind()));
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
    recogniser.analyse(&view);
    recogniser.setLogEnabled(false);
    if (reason)
        *reason = recogniser.error() ? recogniser.error()->reason() : QString();
    return kinds(recogniser.elements());
}

inline QStringList split(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace SmartTestPage
