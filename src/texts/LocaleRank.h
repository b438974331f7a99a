#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_RANK_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(alexaRank, "Alexa Rank") \
    TEXT(googlePR, "Google PR") \
    TEXT(createDate, "Create Date") \
    TEXT(host, "Host") \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(ranks, LocaleInstance, ranks) \
    FORWARD(rank, LocaleInstance, rank) \
    FORWARD(rankTable, DBSql, tableRank) \
    FORWARD(rankView, DBSql, tableRank)

namespace Vexal {

// Rank journal, table and editor.
namespace LocaleRank {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_RANK_TABLE)

} // namespace LocaleRank

} // namespace Vexal
