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

DBUrlShortcutList::DBUrlShortcutList(QObject* parent)
    : DBListBase(parent)
{
    setPrototype(new DBUrlShortcut(this));
}

DBUrlShortcut* DBUrlShortcutList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBUrlShortcut*>(DBListBase::at(index));
}

DBUrlShortcut* DBUrlShortcutList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBUrlShortcut*>(record);
    }
    return nullptr;
}

DBUrlShortcut* DBUrlShortcutList::firstOrNew()
{
    if (count() > 0)
        return at(0);
    auto* shortcut = new DBUrlShortcut(this);
    append(shortcut);
    return shortcut;
}

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
