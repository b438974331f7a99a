#include "data/DBUrlShortcutList.h"

#include "data/DBUrlShortcut.h"

namespace Vexal {

namespace {

struct BuiltInShortcut
{
    const char* name;
    const char* shortcut;
    const char* url;
};

// The built-in set, in the order the options page lists it; names are the
// services' own.
const BuiltInShortcut builtInShortcuts[] = {
    {"Google", "g", "http://www.google.com/"},
    {"Google Mail", "gm", "http://mail.google.com/"},
    {"Facebook", "f", "http://www.facebook.com/"},
    {"YouTube", "y", "http://www.youtube.com/"},
    {"Yahoo!", "ya", "http://www.yahoo.com/"},
    {"Twitter", "t", "http://twitter.com/"},
    {"Wikipedia", "w", "http://www.wikipedia.org/"},
};

} // namespace

void DBUrlShortcutList::appendDefaults()
{
    for (const BuiltInShortcut& builtIn : builtInShortcuts) {
        auto* shortcut = new DBUrlShortcut(this);
        shortcut->setName(QString::fromUtf8(builtIn.name));
        shortcut->setShortcut(QString::fromLatin1(builtIn.shortcut));
        shortcut->setUrl(QString::fromLatin1(builtIn.url));
        append(shortcut);
    }
}

} // namespace Vexal
