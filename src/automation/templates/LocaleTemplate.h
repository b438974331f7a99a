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

} // namespace LocaleTemplate

} // namespace Vexal
