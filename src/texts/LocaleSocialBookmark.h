#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_SOCIAL_BOOKMARK_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TESVAR_LOCALE_SUBMISSION_ENTRIES(TEXT, FORWARD) \
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
