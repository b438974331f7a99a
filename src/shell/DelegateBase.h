#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QWidget;

namespace Vexal {

class BaseTab;
class DBBase;
class DBListBase;
class WidTabManager;
class WidWebTab;
class WndMain;

// Base of the short-lived command objects that carry out menu commands. A
// main-window slot builds one on its stack with (tab manager, main window),
// calls one operation and lets it go. The object owns nothing: the parent
// widget is the parent of every page, panel and dialog a command creates.
// Form-filling commands pass a null tab manager and use only the reports.
class DelegateBase : public QObject
{
    Q_OBJECT
public:
    DelegateBase(WidTabManager* tabManager, QObject* parent);
    ~DelegateBase() override;

    // The parent as a widget (null when the parent is no widget).
    QWidget* parentWidget() const { return m_parentWidget; }

    // The stored tab manager; null is reported as "tabManager".
    WidTabManager* tabManager() const;
    // The tab manager's current page; none (or a widget that is no tab page)
    // is reported as "tab". A missing tab manager counts as no page.
    BaseTab* currentTab() const;
    // The current page when it is a web tab. No page is reported as "tab";
    // another kind of page warns "This tool works on web tabs only".
    WidWebTab* currentWebTab() const;

    // Detail to the log, "Unexpected error occurred..." to the user.
    void reportInvalidObject(const QString& name) const;
    void reportListError(const DBListBase* list) const;
    void reportRecordError(const DBBase* record) const;
    // The web-tabs-only warning through the signal hub.
    void warnWebTabsOnly() const;

    // Opens a page of class Page (built on the parent widget) as a unique tab
    // and returns the tab's index; nothing is built when there is no tab
    // manager, and the index is then -1.
    template <class Page>
    int openUniqueTab()
    {
        WidTabManager* manager = tabManager();
        return manager ? addUniqueTab(manager, std::make_unique<Page>(parentWidget())) : -1;
    }

private:
    static int addUniqueTab(WidTabManager* manager, std::unique_ptr<BaseTab> page);

    WidTabManager* m_tabManager = nullptr;
    QWidget* m_parentWidget = nullptr;
};

} // namespace Vexal
