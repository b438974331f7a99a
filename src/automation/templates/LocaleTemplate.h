#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_TEMPLATE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(login, "Login") \
    TEXT(password, "Password") \
    TEXT(submit, "Submit") \
    TEXT(general, "General") \
    FORWARD(loginTemplates, LocaleInstance, loginTemplates) \
    FORWARD(registrationTemplates, LocaleInstance, registrationTemplates) \
    FORWARD(directoryTemplates, LocaleInstance, directoryTemplates) \
    FORWARD(socialBookmarkTemplates, LocaleInstance, socialBookmarkTemplates) \
    FORWARD(articleTemplates, LocaleInstance, articleTemplates) \
    FORWARD(loginTemplate, LocaleInstance, loginTemplate) \
    FORWARD(registrationTemplate, LocaleInstance, registrationTemplate) \
    FORWARD(directoryTemplate, LocaleInstance, directoryTemplate) \
    FORWARD(socialBookmarkTemplate, LocaleInstance, socialBookmarkTemplate) \
    FORWARD(articleTemplate, LocaleInstance, articleTemplate) \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
    FORWARD(articleTemplateView, DBSql, tableArticleTemplateView) \
    FORWARD(articleTemplateTable, DBSql, tableArticleTemplate) \
    FORWARD(directoryTemplateView, DBSql, tableDirectoryTemplateView) \
    FORWARD(directoryTemplateTable, DBSql, tableDirectoryTemplate) \
    FORWARD(socialBookmarkTemplateView, DBSql, tableSocialBookmarkTemplateView) \
    FORWARD(socialBookmarkTemplateTable, DBSql, tableSocialBookmarkTemplate) \
    FORWARD(registrationTemplateView, DBSql, tableRegistrationTemplateView) \
    FORWARD(registrationTemplateTable, DBSql, tableRegistrationTemplate)

namespace Vexal {

// Template journals and editors.
namespace LocaleTemplate {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_TEMPLATE_TABLE)

// A save refused for the selector of a field: one that does not parse
// (with the parser's message, its place in the selector), and one longer
// than a selector may be.
QString selectorNotParsed(const QString& field, const QString& error);
QString selectorTooLong(const QString& field, int length, int limit);

} // namespace LocaleTemplate

} // namespace Vexal
