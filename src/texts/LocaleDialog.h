#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

// urlPrefix: the URL dialogs open with the same prefix as every other URL field.
#define TESVAR_LOCALE_DIALOG_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(ok, "Ok") \
    TEXT(cancel, "Cancel") \
    TEXT(accept, "Accept") \
    TEXT(reject, "Reject") \
    TEXT(start, "Start") \
    TEXT(stop, "Stop") \
    TEXT(working, "Working...") \
    TEXT(close, "Close") \
    TEXT(finished, "Finished") \
    TEXT(progress, "Progress") \
    TEXT(includeOriginal, "Include original") \
    TEXT(spunArticles, "Spun Articles") \
    TEXT(shortcut, "Shortcut") \
    TEXT(name, "Name") \
    TEXT(scheme, "Scheme") \
    TEXT(userInfo, "User Info") \
    TEXT(host, "Host") \
    TEXT(port, "Port") \
    TEXT(path, "Path") \
    TEXT(fragment, "Fragment") \
    TEXT(website, "Website") \
    TEXT(type, "Type") \
    TEXT(masterAccount, "Master Account") \
    TEXT(masterAccountLabel, "Master Account") \
    TEXT(account, "Account") \
    TEXT(submit, "Submit") \
    TEXT(project, "Project") \
    TEXT(active, "Active") \
    TEXT(terms, "Terms") \
    TEXT(agreeWithTerms, "I agree with terms below") \
    TEXT(gender, "Gender") \
    TEXT(male, "Male") \
    TEXT(female, "Female") \
    TEXT(country, "Country") \
    TEXT(usa, "USA") \
    TEXT(language, "Language") \
    TEXT(english, "English") \
    TEXT(synonym, "Synonym") \
    TEXT(alexaRank, "Alexa Rank") \
    TEXT(googlePR, "Google PR") \
    TEXT(loading, "Loading...") \
    TEXT(save, "Save") \
    TEXT(password, "Password") \
    TEXT(guid, "GUID") \
    TEXT(createAndCopy, "Create and Copy") \
    TEXT(dataSource, "Data Source") \
    TEXT(data, "Data") \
    TEXT(header, "Header") \
    TEXT(timeRange, "Time Range") \
    TEXT(lastHour, "Last Hour") \
    TEXT(lastTwoHours, "Last Two Hours") \
    TEXT(lastFourHours, "Last Four Hours") \
    TEXT(today, "Today") \
    TEXT(everything, "Everything") \
    TEXT(inHours, "In Hours") \
    TEXT(custom, "Custom") \
    TEXT(singleWebsite, "Single website") \
    TEXT(title, "Title") \
    TEXT(templateLabel, "Template") \
    TEXT(comments, "Comments") \
    TEXT(folder, "Folder") \
    FORWARD(operationCompleted, LocaleMessage, operationCompleted) \
    FORWARD(unexpectedError, LocaleMessage, unexpectedError) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object)) \
    FORWARD(operationFailed, LocaleMessage, operationFailed) \
    FORWARD(updateItems, LocaleBase, updateItems) \
    FORWARD(url, LocaleBase, url) \
    FORWARD(untitled, LocaleBase, untitled) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix)

namespace Vexal {

// Texts of the small dialogs.
namespace LocaleDialog {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_DIALOG_TABLE)

// The failure message in a red rich-text span; with the cause a user can act
// on when one is given.
QString operationFailedHtml(const QString& cause = QString());

} // namespace LocaleDialog

} // namespace Vexal
