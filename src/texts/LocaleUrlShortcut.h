#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_URL_SHORTCUT_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    FORWARD(deleteItem, LocaleBase, deleteItem) \
    FORWARD(edit, LocaleBase, edit) \
    FORWARD(add, LocaleBase, add) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(shortcuts, LocaleInstance, shortcuts) \
    FORWARD(shortcut, LocaleInstance, shortcut) \
    TEXT_ARG(shortcutInUse, text, \
             "The shortcut \"%1\" is already used by another URL shortcut. Please, choose another one.") \
    TEXT_ARG(emptyShortcutInUse, standIn, \
             "An empty shortcut field stands for the shortcut \"%1\", which is already used by another URL " \
             "shortcut. Please, type a shortcut.") \
    FORWARD(urlShortcutTable, DBSql, tableUrlShortcut) \
    FORWARD(urlShortcutView, DBSql, tableUrlShortcut)

namespace Vexal {

// URL-shortcut journal and table.
namespace LocaleUrlShortcut {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_URL_SHORTCUT_TABLE)

} // namespace LocaleUrlShortcut

} // namespace Vexal
