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

private:
    SmartUtils() = default;
};

} // namespace Vexal
