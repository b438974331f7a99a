#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_EXTENSION_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(formInspector, "Form Inspector") \
    TEXT(formFiller, "Form Filler") \
    TEXT(itemChanged, "Item Changed") \
    TEXT(tooltips, "Tooltips") \
    TEXT(finished, "Finished") \
    TEXT(parse, "Parse") \
    TEXT(useDataSource, "Use Data Source") \
    TEXT(highlight, "Highlight") \
    TEXT(templateLabel, "Template") \
    TEXT(website, "Website") \
    TEXT(testSelectors, "Test Selectors") \
    TEXT(tagsSample, "Tag1,Tag2,Tag3") \
    TEXT(widgetGuid, "{7E5F3798-298F-4088-B49D-887BB5317FE6}") \
    TEXT(subtype, "Subtype") \
    TEXT(type, "Type") \
    TEXT(errors, "Errors") \
    TEXT(parsed, "Parsed") \
    TEXT(test, "Test") \
    TEXT(value, "Value") \
    TEXT(html, "Html") \
    TEXT(attributes, "Attributes") \
    TEXT(attribute, "Attribute") \
    TEXT(dom, "DOM") \
    TEXT(selectors, "Selectors") \
    TEXT(selector, "Selector") \
    TEXT(testTemplates, "Test Templates") \
    TEXT(selectorsHeader, "Selectors") \
    TEXT(selectorHeader, "Selector") \
    TEXT(domInspector, "DOM Inspector") \
    FORWARD(load, LocaleBase, load) \
    FORWARD(deleteItem, LocaleBase, deleteItem) \
    FORWARD(add, LocaleBase, add) \
    FORWARD(copy, LocaleBase, copy) \
    FORWARD(updateItems, LocaleBase, updateItems) \
    FORWARD(userPage, LocaleBase, userPage) \
    FORWARD(registrationPage, LocaleBase, registrationPage) \
    FORWARD(logoutPage, LocaleBase, logoutPage) \
    FORWARD(loginPage, LocaleBase, loginPage) \
    FORWARD(homePage, LocaleBase, homePage) \
    FORWARD(userPageMissing, LocaleMessage, userPageMissing) \
    FORWARD(registrationPageMissing, LocaleMessage, registrationPageMissing) \
    FORWARD(logoutPageMissing, LocaleMessage, logoutPageMissing) \
    FORWARD(loginPageMissing, LocaleMessage, loginPageMissing) \
    FORWARD(homePageMissing, LocaleMessage, homePageMissing) \
    FORWARD(requiredItemsMissing, LocaleMessage, requiredItemsMissing) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object)) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError)

namespace Vexal {

// Form filler and selector panel.
namespace LocaleExtension {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_EXTENSION_TABLE)

} // namespace LocaleExtension

} // namespace Vexal
