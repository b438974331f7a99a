#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_SOCIAL_BOOKMARK_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(general, "General") \
    TEXT(spam, "Spam") \
    TEXT(acceptTerms, "Accept Terms") \
    TEXT(userEmail, "User Email") \
    TEXT(userName, "User Name") \
    TEXT(description, "Description") \
    TEXT(tags, "Tags") \
    TEXT(title, "Title") \
    TEXT(category, "Category") \
    FORWARD(url, LocaleBase, url) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(project, LocaleInstance, project) \
    FORWARD(socialBookmarks, LocaleInstance, socialBookmarks) \
    FORWARD(socialBookmark, LocaleInstance, socialBookmark) \
    FORWARD(socialBookmarkTable, DBSql, tableSocialBookmark) \
    FORWARD(socialBookmarkView, DBSql, tableSocialBookmarkView)

namespace Vexal {

// Social-bookmark journal, table, editor, template, fills and submitter.
namespace LocaleSocialBookmark {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_SOCIAL_BOOKMARK_TABLE)

} // namespace LocaleSocialBookmark

} // namespace Vexal
