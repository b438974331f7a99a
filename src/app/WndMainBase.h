#pragma once

#include "app/WndMainDesigner.h"

#include <QPointer>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;

namespace Vexal {

class BaseTab;
class DBOptions;
class DBProject;
class HistoryCleanup;

// The state layer of the main window: the data start-up, the options applied
// to the web settings and the proxies, the saved window state, the bookmarks
// and online-tools menus, the status-bar texts, the close questions and the
// current tab.
class WndMainBase : public WndMainDesigner
{
    Q_OBJECT
public:
    explicit WndMainBase(QWidget* parent = nullptr);

    // The data start-up; false when the options or the current project could
    // not be had (logged and shown as a critical message).
    bool startUp();
    // Loads the options anew into the cache and applies them; a failed load
    // is logged and reported, and the cached options stay in force.
    void reloadOptions();
    // The options record (first or new), reparented to parent; null on a
    // failed load (logged).
    DBOptions* loadOptions(QObject* parent);
    // The first active project; a "Default" active project is made and saved
    // when there is none. Null on failure (logged as critical).
    DBProject* loadCurrentProject(QObject* parent);
    // The current project that the start-up check has just found or made:
    // the data start-up takes it instead of looking for it again.
    void startOnProject(std::unique_ptr<DBProject> project);
    void applyWebSettings(const DBOptions* options);
    // The HTTP proxy of the options on the shared manager and on the server
    // jobs' manager (changed on its own thread; its start-up requests wait
    // for it).
    void applyProxies(const DBOptions* options);
    void updatePrivateBrowsingAction();
    // Starts removing the history rows older than the options' period, on a
    // job of its own (HistoryCleanup).
    void deleteExpiredHistory();
    HistoryCleanup* historyCleanup() const { return m_historyCleanup; }
    void showHomeOnStart();
    // The Online Tools menu (every tool, however many) is filled, the expired
    // history deleted and the home page loaded once the window has been
    // painted for the first time, before any input reaches the window, so
    // that the window does not wait for them.
    void finishAfterFirstPaint();
    void finishStartUp();
    void updateProjectLabel();
    void refreshStatusBar();
    void buildBookmarksMenu();
    void buildOnlineToolsMenu();
    QUrl urlOfSender() const;
    void saveGuiState();
    void restoreGuiState();
    // The current page; none is logged and reported as the missing "tab".
    BaseTab* currentTab() const;

    // Asks about each tab with unsaved edits, shown in turn, as closing that
    // tab asks; false at the first No (the desktop's logout then stops).
    bool confirmDropUnsavedEdits();

    // The search engine last chosen in any search bar (stored as WebSearch).
    static int searchEngine();

    // Most visible bookmarks entered into the Bookmarks menu.
    static constexpr int bookmarksMenuLimit = 21;

public slots:
    void handleSearchEngineChanged(int code);

protected:
    bool loadData() override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Names in the log each tab whose unsaved edits go with the window.
    void logDroppedEdits() const;

    QPointer<DBProject> m_checkedProject;
    HistoryCleanup* m_historyCleanup = nullptr;
    bool m_finishAfterPaint = false;
    // The saved window state asks for a maximized window, shown at the end
    // of the data start-up.
    bool m_showMaximized = false;
};

} // namespace Vexal
