#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

namespace Vexal {

class WndMain;
class WndMainDesigner;

// Where a command's menu item stands: a menu, or the run of a menu's items
// between two of its submenus (the builders put the submenus in between).
enum class MenuPlace {
    None, // no menu item of its own
    File,
    FileEnd, // after the Export submenu
    Edit,
    Navigate,
    View,
    ViewEnd, // after the Zoom, Page Style and Character Encoding submenus
    Zoom,
    PageStyle,
    Encoding,
    History,
    Bookmarks,
    Tools, // after the Online Tools submenu
    ToolsEnd, // after the Database submenu
    Database,
    Web,
    Templates,
    Projects,
    Articles,
    Directories,
    SocialBookmarks,
    Help
};

// One command of the main window: its menu item (place, look, text and key),
// what it runs once the logger knows the command, and the window slot that
// names it (null for a command without a slot of its own). A menu item runs
// its command directly; a slot runs the command that names it.
struct CommandEntry {
    // How the menu item looks.
    enum Item : unsigned {
        Plain = 0,
        LineAbove = 1, // a separator line above the item
        Hidden = 2,
        Disabled = 4,
        Checkable = 8,
        Checked = Checkable | 16,
        // Runs again while its key is held; the others run once a press
        // (a held Quick Login would log in twice).
        Repeats = 32
    };

    MenuPlace place;
    unsigned item;
    // The menu text; also the logger's action unless `action` is set.
    QString (*text)();
    QKeySequence (*key)();
    void (WndMainDesigner::*slot)();
    // Null for an item that does nothing.
    void (*run)(WndMain& window);
    QString (*action)() = nullptr;

    QString actionText() const { return action ? action() : text(); }
    bool has(Item look) const { return (item & look) == look; }
};

// The commands of one menu place, in menu order.
std::vector<const CommandEntry*> commandsAt(MenuPlace place);
// The command that a window slot names; null for a slot that names none.
const CommandEntry* commandOfSlot(void (WndMainDesigner::*slot)());

} // namespace Vexal
