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

// Well-known public sites; the names are the sites' own.
const BuiltInShortcut builtInShortcuts[] = {
    {"Wikipedia", "w", "https://www.wikipedia.org/"},
    {"Wiktionary", "wt", "https://www.wiktionary.org/"},
    {"OpenStreetMap", "o", "https://www.openstreetmap.org/"},
    {"Internet Archive", "a", "https://archive.org/"},
    {"Project Gutenberg", "pg", "https://www.gutenberg.org/"},
    {"Wikimedia Commons", "c", "https://commons.wikimedia.org/"},
    {"arXiv", "ax", "https://arxiv.org/"},
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
