#pragma once

#include <QObject>
#include <QPixmap>

// Every picture of the program: getter, resource prefix, file stem, and the
// edge lengths the getter accepts. The file of size N is ":/<prefix>/img/<stem>N.png".
#define VEXAL_ICON_TABLE(X)                                   \
    X(error, "info", "Error", 32)                             \
    X(warning, "info", "Warning", 32)                         \
    X(info, "info", "Info", 32)                               \
    X(security, "info", "Security", 32)                       \
    X(all, "info", "All", 16, 32)                             \
    X(help, "info", "Help", 16, 32)                           \
    X(back, "navigate", "Back", 16, 32)                       \
    X(forward, "navigate", "Forward", 16, 32)                 \
    X(reload, "navigate", "Reload", 16, 32)                   \
    X(up, "navigate", "Up", 16, 32)                           \
    X(down, "navigate", "Down", 16, 32)                       \
    X(next, "navigate", "Next", 16, 32)                       \
    X(previous, "navigate", "Previous", 16, 32)               \
    X(doubleDown, "navigate", "DoubleDown", 32)               \
    X(add, "edit", "Add", 16, 24, 32)                         \
    X(addGreen, "edit", "AddGreen", 32)                       \
    X(edit, "edit", "Edit", 32)                               \
    X(editGreen, "edit", "EditGreen", 32)                     \
    X(deleteIcon, "edit", "Delete", 16, 32)                   \
    X(deleteGreen, "edit", "DeleteGreen", 16, 32)             \
    X(deleteBlue, "edit", "DeleteBlue", 16, 32)               \
    X(copy, "edit", "Copy", 32)                               \
    X(save, "edit", "Save", 32)                               \
    X(move, "edit", "Move", 32)                               \
    X(home, "img", "Home", 32)                                \
    X(feather, "img", "Feather", 32)                          \
    X(check, "img", "Check", 32)                              \
    X(checkRed, "img", "CheckRed", 32)                        \
    X(wordwrap, "img", "Wordwrap", 32)                        \
    X(highlight, "img", "Highlight", 32)                      \
    X(separator, "img", "Separator", 16)                      \
    X(wizard, "img", "Wizard", 32)                            \
    X(tooltips, "img", "Tooltips", 32)                        \
    X(filter, "img", "Filter", 16, 32)                        \
    X(filterRed, "img", "FilterRed", 16, 32)                  \
    X(flip, "img", "Flip", 16, 32)                            \
    X(lock, "img", "Lock", 16, 32)                            \
    X(sysPage, "img", "SysPage", 16, 32)                      \
    X(webPage, "img", "WebPage", 16, 32)                      \
    X(login, "img", "Login", 16, 32)                          \
    X(registerIcon, "img", "Register", 16, 32)                \
    X(favorites, "tree", "Favorites", 16)                     \
    X(folder, "tree", "Folder", 16, 32)                       \
    X(folderGreen, "tree", "FolderGreen", 16, 32)             \
    X(historyItem, "tree", "HistoryItem", 16, 32)             \
    X(menu, "tree", "Menu", 16, 32)                           \
    X(google, "websearch", "Google", 16, 32)                  \
    X(yahoo, "websearch", "Yahoo", 32)                        \
    X(amazon, "websearch", "Amazon", 32)                      \
    X(answers, "websearch", "Answers", 32)                    \
    X(wikipedia, "websearch", "Wikipedia", 32)                \
    X(bold, "spinner", "Bold", 32)                            \
    X(italic, "spinner", "Italic", 32)                        \
    X(underline, "spinner", "Underline", 32)                  \
    X(breakLine, "spinner", "BreakLine", 32)                  \
    X(background, "spinner", "Background", 32)                \
    X(link, "spinner", "Link", 32)                            \
    X(unlink, "spinner", "Unlink", 32)                        \
    X(ol, "spinner", "Ol", 32)                                \
    X(ul, "spinner", "Ul", 32)                                \
    X(spelling, "spinner", "Spelling", 32)                    \
    X(spellingRed, "spinner", "SpellingRed", 32)              \
    X(language, "spinner", "Language", 32)                    \
    X(spinner, "spinner", "Spinner", 32)                      \
    X(spin, "spinner", "Spin", 32)                            \
    X(extreme, "spinner", "Extreme", 16, 32)                  \
    X(advanced, "spinner", "Advanced", 16, 32)                \
    X(classic, "spinner", "Classic", 16, 32)

namespace Vexal {

// The catalogue of the program's pictures, all compiled into the resource tree.
// A sized getter gives the picture of exactly that edge length, or a null
// pixmap for a size it does not know. Nothing is cached.
class ConstIcon final : public QObject
{
    Q_OBJECT
public:
    explicit ConstIcon(QObject* parent = nullptr);

    static QPixmap appIcon();

#define VEXAL_ICON_DECLARE(name, ...) static QPixmap name(int size);
    VEXAL_ICON_TABLE(VEXAL_ICON_DECLARE)
#undef VEXAL_ICON_DECLARE
};

} // namespace Vexal
