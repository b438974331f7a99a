#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_SMART_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(noMainForm, "Failed to find a main form") \
    TEXT(noVisibleElement, "Failed to find any visible element on a page") \
    TEXT(noRecognizedElement, "Failed to recognize at least one element") \
    TEXT(emptyLoginForm, "There are no elements in a login form") \
    TEXT(emptySelectedForm, "There are no elements in selected form") \
    TEXT(cannotRecognize, "Sorry, I can\u2019t recognize this page")

namespace Vexal {

// Smart form recognition: error texts and the names of field kinds and HTML
// type codes.
namespace LocaleSmart {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_SMART_TABLE)

// Field kinds 0 to 39 and HTML type codes 0 to 13; "Error" otherwise.
QString kindName(int kind);
QString typeName(int type);

} // namespace LocaleSmart

} // namespace Vexal
