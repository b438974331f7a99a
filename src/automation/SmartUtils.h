#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QWebElement>

namespace Vexal {

class SmartElement;
class SmartLabel;

// Element tests and list searches shared by the recognition lookups.
class SmartUtils : public QObject
{
    Q_OBJECT
public:
    static bool isControl(const QWebElement& element);
    static bool isHidden(const QWebElement& element);
    static bool isDisplayNone(const QWebElement& element, bool inherited);
    static bool equalsNoCase(const QString& a, const QString& b);
    static int letterCount(const QString& text);
    static bool containsKind(const QList<SmartElement*>& list, int kind);
    static QList<SmartElement*> elementsOfKind(const QList<SmartElement*>& list, int kind);
    static int indexOfLabel(const QList<SmartLabel*>& labels, const QWebElement& element);

    // Whether the text holds the keyword, ignoring case. Most keywords match
    // anywhere; a few short ones that real texts hold inside other words only
    // where the hit starts (or ends) a word of the text, words being split at
    // blanks, punctuation, "-", "_", case changes and digits ("userEmail",
    // "address-level2"), so that "res" is not found in "press" nor "tag" in
    // "stage". A keyword holding a blank
    // is a phrase, found as whole words ("security code" in "securityCode").
    static bool containsKeyword(const QString& text, const QString& keyword);

    // A text field that is laid out but never seen: placed far outside the
    // page, drawn with no width or height (or inside such a clipped box), or
    // kept from screen readers and the keyboard alike. Sites set such fields
    // as traps and refuse the sign-up when they come back filled.
    static bool isHoneypot(const QWebElement& element);

    // Depth (from the document root) of the lowest element that two chains
    // of ancestors (each from the root down) share, -1 when none.
    static int commonDepth(const QList<QWebElement>& a, const QList<QWebElement>& b);
    // The control that a LABEL names (its "for" target, else the control
    // inside it); null when none.
    static QWebElement labelTarget(const QWebElement& label);

private:
    SmartUtils() = default;
};

} // namespace Vexal
