#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWebElement>

#include <vector>

class QWebElementCollection;
class QWebFrame;
class QWebView;

namespace Vexal {

class Selector;
class SelectorAttribute;
class SelectorList;

// Finds the elements a parsed selector names in the page of a web view: the
// main frame, and through IFRAME steps the frames of the main frame's IFRAMEs.
// A selector that finds nothing gives an empty list; nothing is reported.
class SelectorLookup : public QObject
{
    Q_OBJECT
public:
    explicit SelectorLookup(QWebView* view, QObject* parent = nullptr);

    // Empty when there is no view, page or main frame, or no list or step.
    // The same element may stand in the result more than once.
    QList<QWebElement> find(const SelectorList* list) const;

    // The child frame of the main frame that shows this IFRAME element.
    static QWebFrame* frameOf(QWebView* view, const QWebElement& element);

    static bool matchesStep(const QWebElement& element, const Selector* step, int pos, int count);
    static bool matches(const QWebElement& element, const SelectorAttribute* attribute, int pos, int count);

private:
    struct Plan;
    using Elements = std::vector<QWebElement>;

    QWebFrame* mainFrame() const;
    Elements evaluate(QWebFrame* frame, const SelectorList* list) const;
    void nextInDocumentOrder(const QWebElementCollection& both, const Elements& current, const Selector* step,
                             bool disjoint, Elements& out) const;
    static bool childrenInStepOrder(const QWebElementCollection& children, const Elements& parents, Elements& out);
    void stepDown(const QWebElement& element, const Selector* step, const Plan& plan,
                  Elements& out) const;
    void stepParent(const QWebElement& element, const Selector* step, Elements& out) const;
    void stepChild(const QWebElement& element, const Selector* step, const Plan& plan, Elements& out) const;
    void stepSibling(const QWebElement& element, const Selector* step, const Plan& plan,
                     Elements& out) const;
    void stepNext(const QWebElement& element, const Selector* step, Elements& out) const;
    QWebElement findNext(const QWebElement& element, const Selector* step) const;
    QWebElement scanTree(const QWebElement& root, const QWebElement& skip, const Selector* step) const;

    QPointer<QWebView> m_view;
};

} // namespace Vexal
