#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

// emptyFileName: the error of the text file class when it has no path.
#define TESVAR_LOCALE_CORE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(failed, "Failed") \
    FORWARD(untitled, LocaleBase, untitled) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object)) \
    FORWARD_ARGS(unsupportedHtmlElement, LocaleMessage, unsupportedHtmlElement, (const QString& tag), (tag)) \
    FORWARD(invalidSelectors, LocaleMessage, invalidSelectors) \
    FORWARD_ARGS(invalidAttributeValue, LocaleMessage, invalidAttributeValue, (const QString& selector, int position), (selector, position)) \
    FORWARD_ARGS(invalidTagName, LocaleMessage, invalidTagName, (const QString& selector, int position), (selector, position)) \
    FORWARD_ARGS(invalidOperator, LocaleMessage, invalidOperator, (const QString& selector, int position), (selector, position)) \
    FORWARD_ARGS(incompleteSelector, LocaleMessage, incompleteSelector, (const QString& selector), (selector)) \
    FORWARD_ARGS(invalidCharacter, LocaleMessage, invalidCharacter, (const QString& selector, int position), (selector, position)) \
    FORWARD(fileMissing, LocaleMessage, fileMissing) \
    FORWARD(invalidData, LocaleMessage, invalidData) \
    TEXT(emptyFileName, "File name is empty")

namespace Vexal {

// Selector parser and text file messages.
namespace LocaleCore {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_CORE_TABLE)

} // namespace LocaleCore

} // namespace Vexal
