#pragma once

#include "shell/DelegateBase.h"

#include <QUrl>

namespace Vexal {

class Init;
class WidWebTab;

// The browsing commands of the File, Navigate, View and Help menus and the
// main window's requests to load an address, run a web search or show a
// page's source: each acts in the current page or opens a new web tab.
class DelegateBrowser : public DelegateBase
{
    Q_OBJECT
public:
    DelegateBrowser(WidTabManager* tabManager, QObject* parent);

    void newTab();
    void load(const QUrl& url, bool newTab, bool focus);
    void open(const QUrl& url);
    void homePage();
    void webSearch(const QString& words, bool newTab, bool focus);
    void focusWebSearch();
    void focusLocation();
    void pageSource();
    void openPageSource(const QString& title, const QString& html);
    void openFile();
    void exportXml(int typeCode);
    void importXml();

private:
    // Loads the address in the current page when it is a web page, otherwise
    // in a new web tab.
    void loadHereOrNew(const QUrl& url, bool focus);
    // A new web tab with the start parameters (taken over, may be null);
    // null when none was added.
    WidWebTab* addWebTab(Init* init, bool focus);
};

} // namespace Vexal
