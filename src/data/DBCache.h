#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace Vexal {

class DBOptions;
class DBProject;
class DBUrlShortcutList;

// The process-wide copy of what the program asks for all the time: the
// current project, the browsing options the shell consults, the folder the
// file dialogs open in and the URL shortcuts. Filled by explicit copy-in
// calls; the getters never touch the database. Belongs to the GUI thread.
class DBCache final : public QObject
{
    Q_OBJECT
public:
    static DBCache* instance();

    // A null record leaves the cache unchanged.
    static void setProject(const DBProject* project);
    static void setOptions(const DBOptions* options);
    // The one option that a menu check changes, in force at once even while
    // its row waits to be written.
    static void setSaveHistory(bool saveHistory);
    // Loads the options row (its defaults while the table is empty) and
    // copies it in. A failed load is logged and the cached options stay.
    static bool reloadOptions();
    static void reloadShortcuts();
    static void reloadLastFolder();

    static qint64 projectId();
    static QString projectName();
    static QString projectUrl();
    static QUrl homeUrl();
    static int maxOpenedTabs();
    static bool warnTabsClosing();
    static int startup();
    static bool reloadAllTabs();
    static bool focusNewTab();
    static bool saveHistory();
    static bool crossSessionImport();
    static bool overrideOnImport();
    static int historyPeriod();
    static bool blockPopups();
    static bool focusPopups();
    static bool httpProxy();

    // The folder a file dialog starts in: the remembered one while
    // KeepLastFolder is on, else the default folder (the home directory when
    // that option is empty).
    static QString lastFolder();
    // Remembers and stores the folder, only while KeepLastFolder is on. A
    // folder too long for the Settings row is remembered but not stored.
    static void setLastFolder(const QString& folder);

    // The URL of the first shortcut whose text equals the given one exactly;
    // "" when none does or the shortcuts were never loaded.
    static QString resolveShortcut(const QString& text);

    // Back to the values after construction, without shortcuts (for tests).
    static void reset();

private:
    DBCache();
    void resetValues();

    qint64 m_projectId;
    QString m_projectName;
    QString m_projectUrl;
    QUrl m_homeUrl;
    QString m_lastFolder;
    QString m_defaultFolder;
    int m_maxOpenedTabs;
    bool m_warnTabsClosing;
    int m_startup;
    bool m_reloadAllTabs;
    bool m_focusNewTab;
    bool m_saveHistory;
    bool m_crossSessionImport;
    bool m_overrideOnImport;
    int m_historyPeriod;
    bool m_blockPopups;
    bool m_focusPopups;
    bool m_keepLastFolder;
    bool m_httpProxy;
    DBUrlShortcutList* m_shortcuts = nullptr;
};

} // namespace Vexal
