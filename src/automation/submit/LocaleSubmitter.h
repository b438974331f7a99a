#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_SUBMITTER_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    FORWARD(requiredItemsMissing, LocaleMessage, requiredItemsMissing) \
    TEXT_ARG(requiredItemsMissingIn, choosers, "One or few required items are missing. Nothing is chosen in: %1.") \
    FORWARD(updateItems, LocaleBase, updateItems) \
    FORWARD(submit, LocaleBase, submit) \
    TEXT(socialBookmarkSubmitter, "Social Bookmark Submitter") \
    TEXT(registrationSubmitter, "Registration") \
    TEXT(directorySubmitter, "Directory Submitter") \
    TEXT(articleSubmitter, "Article Submitter")

namespace Vexal {

// Texts of the submitter panels.
namespace LocaleSubmitter {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_SUBMITTER_TABLE)

} // namespace LocaleSubmitter

} // namespace Vexal
