#pragma once

#include <QKeySequence>
#include <QString>

namespace Vexal {

class WndMain;
class WndMainDesigner;

// The main window's commands: each menu command, and the signal hub's
// requests that take no argument.
enum class Command {
    Debug, NewTab, OpenFile, CloseWindow, CloseTab, Save, Import, Export, Exit,
    Undo, Redo, Cut, Copy, Paste, Add, Edit, Delete, SelectAll, Find, FindNext, FindPrevious, Replace,
    Back, Forward, Reload, Stop, HomePage, OpenLocation, WebSearch,
    MenuBar, StatusBar, ZoomIn, ZoomOut, ZoomReset, ZoomTextOnly, PageSource,
    History, ClearRecentHistory, QuickBookmark, BookmarkTab, BookmarkAllTabs, Bookmarks,
    PageRank, PageRankHistory, Guid, StrongPassword, UriInfo, ErrorConsole, NotificationConsole, FormFiller,
    BackupDB, CleanDB, ReindexDB, Database, PrivateBrowsing, Options,
    Websites, MasterAccounts, Accounts, QuickLogin, Login, Register, Logout,
    SiteHomePage, LoginPage, RegistrationPage, UserPage, Selectors,
    LoginTemplates, RegistrationTemplates, ArticleTemplates, DirectoryTemplates, SocialBookmarkTemplates,
    Projects, SwitchToProject, Articles, SpinnedArticles, Categories, Synonyms, ArticleSubmitter,
    Directories, DirectorySubmitter, SocialBookmarks, SocialBookmarkSubmitter,
    OnlineHelp, CheckForUpdates, CheckForTemplates, AboutQt, About,
    UpdateProject, UpdateOptions, RestoreBookmarksMenu,
    Count
};

// One command: what its menu item shows and which window slot the item
// triggers (the slot runs the command), and what it runs once the logger
// knows the command.
struct CommandEntry {
    Command command;
    // The menu text; also the logger's action unless `action` is set.
    QString (*text)();
    QKeySequence (*key)();
    void (WndMainDesigner::*slot)();
    void (*run)(WndMain& window);
    QString (*action)() = nullptr;

    QString actionText() const { return action ? action() : text(); }
};

const CommandEntry& commandEntry(Command command);

} // namespace Vexal
