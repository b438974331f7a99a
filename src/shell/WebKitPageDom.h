#pragma once

#include "shell/PageDom.h"

#include <memory>

class QWebElement;
class QWebElementCollection;
class QWebView;

namespace Vexal {

// The page access of a web view, over the web engine. Automation gets it from
// PageDomFactory; tests may make one of their own. It keeps the engine's
// element behind each id only while an element value names that id, so what
// it holds follows what its callers still hold. A view that is gone reads as
// no page; what was handed out before stays readable.
class WebKitPageDom : public PageDom
{
public:
    explicit WebKitPageDom(QWebView* view);
    ~WebKitPageDom() override;

    QWebView* view() const;
    // Whether the view is there with a page and its main frame.
    bool hasPage() const;
    // This access's element for an element of the web engine.
    PageElement wrap(const QWebElement& element);

    PageElement documentElement() override;
    PageElements select(const PageElement& root, const QString& selector) override;
    PageElement selectFirst(const PageElement& root, const QString& selector) override;
    bool takesCss() const override { return true; }
    PageElement parent(const PageElement& element) override;
    PageElement firstChild(const PageElement& element) override;
    PageElement nextSibling(const PageElement& element) override;
    PageElement previousSibling(const PageElement& element) override;
    bool withinParentOf(const PageElement& element, const PageElement& other) override;
    PageElement frameDocument(const PageElement& element, bool nested) override;
    PageElements frameDocuments(const PageElement& document) override;
    QString tagName(const PageElement& element) override;
    QString localName(const PageElement& element) override;
    QString namespaceUri(const PageElement& element) override;
    QString attribute(const PageElement& element, const QString& name) override;
    bool hasAttribute(const PageElement& element, const QString& name) override;
    QStringList attributeNames(const PageElement& element) override;
    QString plainText(const PageElement& element) override;
    QString markup(const PageElement& element) override;
    QString labelText(const PageElement& control) override;
    QString heldValue(const PageElement& control) override;
    QRect geometry(const PageElement& element) override;
    QString style(const PageElement& element, const QString& property, StyleKind kind) override;
    QStringList describeTexts(const PageElement& root, int limit, bool pieces, bool rootShown) override;
    bool mayHideFirstLetters(const PageElement& element, bool look) override;
    void forgetStyles() override;

    QString outerMarkup(const PageElement& element) override;
    PageElement documentOf(const PageElement& element) override;
    PageElement frameElement(const PageElement& document) override;
    QUrl frameUrl(const PageElement& document) override;
    QString frameOrigin(const PageElement& document) override;
    bool isDesignMode(const PageElement& document) override;

    void setAttribute(const PageElement& element, const QString& name, const QString& value) override;
    void removeAttribute(const PageElement& element, const QString& name) override;
    void setValue(const PageElement& element, const QString& value) override;
    void setChecked(const PageElement& element, bool checked) override;
    void selectIndex(const PageElement& element, int index) override;
    void setPlainText(const PageElement& element, const QString& text) override;
    void setMarkup(const PageElement& element, const QString& markup) override;
    void setStyle(const PageElement& element, const QString& property, const QString& value) override;
    void click(const PageElement& element) override;
    void submit(const PageElement& element) override;

    // Only what follows and the elements left open are handed out.
    Following following(const PageElement& root, const QString& from, const QString& to) override;
    // Only the elements that pass (or stay untested) are kept.
    TestedElements selectByText(const PageElement& root, const QString& selector, const TextTest& test) override;

protected:
    bool same(int a, int b) override;
    void released(int id) override;

private:
    // Gives the element a new id; returns the place of the id's engine
    // element, which holds a null one, for the caller to make one there.
    QWebElement* newPlace(PageElement& element);
    // This access's element for the one at place i of what a query found.
    PageElement elementAt(const QWebElementCollection& found, int i);

    struct Data;
    std::unique_ptr<Data> d;
};

} // namespace Vexal
