#pragma once

#include "shell/WidTabManagerDesigner.h"

#include <functional>
#include <memory>

class QWebView;

namespace Vexal {

class BaseTab;
class Init;

// The main window's tab widget: adds pages (optionally reusing an open page of
// the same class), enforces the open-tab limit, closes pages under the locked
// and unsaved-data rules, keeps tab texts and the tab-list menu up to date and
// offers the tab context menu.
//
// Ownership: addTab always takes the page and the Init it is given; a page it
// discards (the limit, or reuse of an open page) is deleted at once together
// with that Init. The tab widget adopts a page only once it is in a tab, so
// every way out before that frees what was handed over.
// A closed page is deleted with deleteLater, so a close requested from inside
// the page never frees code that is still running.
class WidTabManager final : public WidTabManagerDesigner
{
    Q_OBJECT
public:
    // Makes the empty web tab for New Tab, Clone Tab, pop-ups and the default
    // tab. The web tab's module installs it; without one those commands add
    // nothing.
    using WebTabFactory = std::function<BaseTab*(QWidget* parent)>;
    static void setWebTabFactory(WebTabFactory factory);

    explicit WidTabManager(QWidget* parent = nullptr);

    BaseTab* addTab(std::unique_ptr<BaseTab> page, std::unique_ptr<Init> init, bool reuseSameClass, bool focus);
    BaseTab* addFocusedTab(std::unique_ptr<BaseTab> page, std::unique_ptr<Init> init);
    BaseTab* addUniqueTab(std::unique_ptr<BaseTab> page, std::unique_ptr<Init> init);
    // The same, for a page and Init made with new: both are taken at once.
    BaseTab* addTab(BaseTab* page, Init* init, bool reuseSameClass, bool focus);
    BaseTab* addFocusedTab(BaseTab* page, Init* init);
    BaseTab* addUniqueTab(BaseTab* page, Init* init);
    // A new web tab for a page's request of a new window; its view, or null.
    QWebView* newPopupTab();
    bool closeTab(int index, bool silent);
    int findTabOfClass(const QString& className) const;
    int countModified() const;
    void refreshTab(int index, BaseTab* page, bool isNew);

    // The page shown in tab index, or null.
    BaseTab* pageAt(int index) const;

    QAction* menuBarAction() const;
    QAction* statusBarAction() const;

public slots:
    void slotContextNewTab() override;
    void slotContextCloneTab() override;
    void slotContextReload() override;
    void slotContextReloadAllTabs() override;
    void slotContextLockTab() override;
    void slotContextNinjaTab() override;
    void slotContextQuickBookmarkTab() override;
    void slotContextBookmarkTab() override;
    void slotContextBookmarkAllTabs() override;
    void slotContextCloseOtherTabs() override;
    void slotContextCloseTab() override;
    void slotCloseTab(int index) override;
    void handleTabChanged(int index) override;
    void handleStateChaned(QWidget* sender) override;
    void handleFocusTab() override;

protected:
    void createDefaultTab() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<BaseTab> newWebTab();
    bool belowLimit() const;
    void setContext(const QString& operation) const;
    void reportInvalidObject(const QString& object) const;
    // The web page under the context menu; null (reported or warned) otherwise.
    BaseTab* contextWebPage() const;
    void warnLimit() const;
    QAction* listEntryOf(const QString& id) const;
};

} // namespace Vexal
