#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

#define TESVAR_LOCALE_MESSAGE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(deleteQueryEmpty, "Delete SQL query is empty") \
    TEXT(updateQueryEmpty, "Update SQL query is empty") \
    TEXT(insertQueryEmpty, "Insert SQL query is empty") \
    TEXT(selectQueryEmpty, "Select SQL query is empty") \
    TEXT(databaseLoadFailed, "The application failed to load a database. See log.txt for more details.") \
    TEXT(databaseConnectionFailure, "Database connection failure.") \
    TEXT(resultSetEmpty, "The result set is empty.") \
    TEXT(activeProjectMissing, "An active project is missing.") \
    TEXT(activeProjectLoadFailed, "Failed to load and active project. See log.txt for more details.") \
    TEXT(activeSessionMissing, "An active session is missing.") \
    TEXT(activeSessionLoadFailed, "Failed to load an active session. See log.txt for more details.") \
    TEXT_ARG(databaseLoadFailedBecause, reason, "The application failed to load a database: %1") \
    TEXT_ARG(databaseLoadFailedSeeLog, reason, "The application failed to load a database: %1\nSee log.txt for more details.") \
    TEXT_ARG(activeProjectLoadFailedBecause, reason, "Failed to load an active project: %1") \
    TEXT_ARG(writesNotStored, count, "%1 change(s) of the window could not be written: the database stayed locked.") \
    TEXT_ARG(changesNotSaved, changes, "These changes could not be saved, because the database stayed locked by another program or a job:\n%1") \
    TEXT_ARG(changesFailedAtExit, changes, "These changes could not be saved as the program closed:\n%1") \
    TEXT(stayedLocked, "the database stayed locked by another program or a job") \
    TEXT(unexpectedErrorSeeLog, "an unexpected error, see log.txt") \
    TEXT(changeOfTheWindow, "A change of the window") \
    TEXT(changeHistory, "Visited pages, for the history") \
    TEXT(changeWindowLayout, "The window's layout") \
    TEXT(changeLastFolder, "The last folder used") \
    TEXT(changePrivateBrowsing, "The Private Browsing setting") \
    TEXT(unexpectedError, "Unexpected error occurred. See Error Console for more details.") \
    TEXT(operationFailed, "Operation failed. See Error Console for more details.") \
    TEXT_ARG(operationFailedBecause, cause, "Operation failed: %1. See Error Console for more details.") \
    TEXT(fileMissing, "Specified file is missing") \
    TEXT(notRegularFile, "Specified file is not a regular file") \
    TEXT(invalidData, "Invalid data") \
    TEXT(invalidFileName, "Invalid file name") \
    TEXT(confirmDuplicateArticles, "I am going to duplicate selected article(s). Should I continue?") \
    TEXT(confirmCloseAllTabs, "I am going to close all tabs. Should I continue?") \
    TEXT(confirmCloseOtherTabs, "I am going to close other tabs. Should I continue?") \
    TEXT(confirmManyTabs, "The application may hover on a large number of tabs. Should I continue?") \
    TEXT(confirmDeleteRecords, "I am going to delete selected record(s). Should I continue?") \
    TEXT(confirmRestoreDefaultLayout, "I am going to restore default layout. Should I continue?") \
    TEXT(confirmLoseUnsavedData, "You will lose all unsaved data. Should I continue?") \
    TEXT(confirmOverrideBody, "The Body is not empty. Do you wish to override it?") \
    TEXT(confirmOverrideIntro, "The Intro is not empty. Do you wish to override it?") \
    TEXT(confirmOverrideTitle, "The Title is not empty. Do you wish to override it?") \
    TEXT(allBookmarksSaved, "All bookmarks have been saved successfully") \
    TEXT(bookmarkSaved, "The bookmark has been saved successfully") \
    TEXT(layoutSaved, "The layout has been saved successfully") \
    TEXT(operationCompleted, "Operation completed successfully") \
    TEXT(webTabsOnly, "This tool works on web tabs only") \
    TEXT(cannotCloseTab, "Sorry, I can't close this tab") \
    TEXT(cannotCloseLockedTab, "Sorry, I can't close locked tab") \
    TEXT(tabLimitReached, "You've reached the limit of opened tabs. See \"Options\" for more details") \
    TEXT(sessionLimitReached, "You've reached the limit of opened sessions") \
    TEXT(zoomLimitReached, "Forget it. I won't zoom more") \
    TEXT(accountNotFound, "Sorry, I can't find any regular account or active master account") \
    TEXT(hostNotFound, "Sorry, I can't find this host") \
    TEXT(requiredItemsMissing, "One or few required items are missing.") \
    TEXT(homePageMissing, "Address of Home Page is missing.") \
    TEXT(loginPageMissing, "Address of Login Page is missing.") \
    TEXT(logoutPageMissing, "Address of Logout Page is missing.") \
    TEXT(registrationPageMissing, "Address of Registration Page is missing.") \
    TEXT(userPageMissing, "Address of User Page is missing.") \
    TEXT(invalidPassword, "Invalid password") \
    TEXT(selectProperWebsite, "Please, select a proper website") \
    TEXT(invalidSelectors, "Website template contains invalid selectors. I can't parse them.") \
    TEXT(htmlFormattingFailed, "Sorry, can't apply HTML formatting to selected text") \
    TEXT(cannotSpinSelection, "Sorry, can't spin selected text") \
    TEXT(cannotSpinHtmlTags, "Sorry, can't spin HTML tags") \
    TEXT(requiredTextNotFound, "Can't find required text") \
    TEXT(wordExists, "Suggested word already exists.") \
    TEXT(synonymExists, "Suggested synonym already exists.") \
    TEXT(toolboxHint, "Type some text and press \"Enter\" button to refresh toolbox.") \
    TEXT(keywordEditHint, "Press \"Enter\" button to add a new keyword. Select the keyword and press \"Del\" button to remove it.") \
    TEXT(newNotifications, "You have new notifications. See \"Tools - Notification Console\" menu.") \
    TEXT(newUpdates, "New updates are available. Please, visit our website and download them.") \
    TEXT(unreadNotifications, "You have unread notifications. See Notification Console for more details.") \
    TEXT_ARG(fieldNotFound, field, "Can't find \"%1\" field") \
    TEXT(formNotSent, "The form was filled but not sent: I can't find a button that sends it.") \
    TEXT_ARG(valuesDoNotFit, fields, "These fields were left empty, as their values do not fit:\n%1") \
    TEXT_ARG(boxesLeftEmpty, boxes, "These boxes the form needs were left empty:\n%1") \
    TEXT(emptyNoValue, "no value is stored for it") \
    TEXT(emptyNotRecognised, "I can't tell what it asks for") \
    TEXT(emptyNotInTemplate, "the website's template does not find it") \
    TEXT(emptyNoOption, "none of its options is the value") \
    TEXT(emptyAsksUser, "a question for you to answer") \
    TEXT(emptyTickIfYouAgree, "a box for you to tick if you agree") \
    TEXT(emptyNotKept, "the page did not keep the value") \
    TEXT(emptyUnticked, "the fill leaves it unticked") \
    TEXT(emptyNoBox, "no box of the page was found for it") \
    TEXT_ARG(fieldsNotWritten, fields, "These fields were not written:\n%1") \
    TEXT(takesNoText, "the element its selector finds takes no text") \
    TEXT_ARG(unlabelledBox, place, "the form's box %1, which shows no label") \
    TEXT(boxWithoutLabel, "a box that shows no label") \
    TEXT_ARG(andMore, count, "and %1 more") \
    TEXT(registrationFilled, "The form is filled: send it with the page's own button.") \
    TEXT(loginNotSent, "The form was filled but not sent: a box it needs stayed empty.") \
    TEXT_ARG(accountNotStored, website, "No account was stored for \"%1\": the page took neither the login nor the password.") \
    TEXT_ARG(accountWithoutLogin, website, "The account stored for \"%1\" holds no login, as the page did not take it: enter the one you sign in with in the account.") \
    TEXT_ARG(accountWithoutPassword, website, "The account stored for \"%1\" holds no password, as the page did not take it: enter the one you give the site in the account.") \
    TEXT_ARG(unsavedEditsDropped, tab, "The unsaved edits of \"%1\" were dropped as the program closed.") \
    TEXT_ARG(invalidTableName, file, "Invalid database table name. File: %1.") \
    TEXT_ARG(invalidXmlStructure, file, "Invalid xml structure. File: %1.") \
    TEXT_ARG(unsupportedHtmlElement, tag, "Specified Html element is not supported. Tag: %1") \
    TEXT_ARG(incompleteSelector, selector, "Incomplete selector. Selector: %2") \
    TEXT_ARG(selectorTooLarge, selector, "The selector names too many elements to hold; narrow it down. Selector: %1") \
    TEXT_ARG(invalidObjectState, object, "Invalid object state. Object: %1") \
    TEXT_ARG(projectIdEmpty, object, "Project ID is empty. Object: %1") \
    TEXT_ARG(sessionIdEmpty, object, "Session ID is empty. Object: %1") \
    TEXT_ARG(databaseFile, path, "Database File: %1") \
    TEXT_ARG(databaseError, text, "Database Error: %1")

namespace Vexal {

// Message texts: error reports, questions, notices, hints and the formatted
// error lines of the data layer, the XML exchange and the selector parser.
namespace LocaleMessage {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_MESSAGE_TABLE)

// A field a fill left empty because its box takes fewer characters than
// the value has, one line of valuesDoNotFit.
QString valueDoesNotFit(const QString& field, int limit, int size);
// A box a fill left empty and why (one of the empty... texts), one line of
// boxesLeftEmpty; also a field written nowhere and why, one line of
// fieldsNotWritten.
QString boxLeftEmpty(const QString& box, const QString& reason);
// The account a registration stores for a website failed to save; failure
// names the cause (failureFor).
QString accountNotSaved(const QString& website, const QString& failure);
// A template that a fill cannot use: its name, the field whose selector
// does not parse and the parser's message.
QString templateSelectorInvalid(const QString& templ, const QString& field, const QString& error);
// Error at %1, query at %2, filled in one pass.
QString sqlQueryFailed(const QString& query, const QString& error);
QString confirmDeleteRecordCount(int count);
// An identity table that gives no rows for the chosen language and
// country (%2 says what it lacks: one of the identity...Missing texts); a
// table that has no rows at all. The file is the System file that fills it.
QString identityTableEmpty(const QString& table, const QString& missing, const QString& file);
QString identityTableMissing(const QString& table, const QString& file);
QString identityMaleNamesMissing(const QString& language);
QString identityFemaleNamesMissing(const QString& language);
QString identityNamesMissing(const QString& language);
QString identityCountryRowsMissing(const QString& country);
// The record an editor shows was deleted elsewhere; %1 is the kind.
QString recordNoLongerExists(const QString& kind, qint64 id);
// What the user is told of a failure: its cause when one is named
// (operationFailedBecause), the unexpected error otherwise.
QString failureFor(const QString& cause);
QString tableEmpty(const QString& table, const QString& file);
// Where the option that lets an import replace stored items stands:
// its caption, then the menu, page and group that hold it.
QString overrideOption();
// An item whose ID is stored, met with that option off: for the log (the
// path), and as the cause the user is shown (the file's name).
QString cannotOverrideItem(const QString& file, int node, qint64 id);
QString cannotOverrideItemCause(const QString& file, int node, qint64 id);
// An item refused for a key or reference element without an ID a table can
// hold: for the log (the path), and as the cause the user is shown.
QString keyRefused(const QString& file, int node, const QString& element, const QString& text);
QString keyRefusedCause(const QString& file, int node, const QString& element, const QString& text);
// An import of several files that stopped at the one that failed: the files
// imported before it and those not tried after it, for the log (paths), and
// after the failed file's own cause ("" for none) as the cause the user is
// shown (file names).
QString importStopped(const QStringList& imported, const QString& failed, const QStringList& notTried);
QString importStoppedCause(const QString& cause, const QStringList& imported, const QString& failed,
                           const QStringList& notTried);
// A failed import that stored nothing, after its cause ("" for none), as the
// cause the user is shown.
QString importStoredNothingCause(const QString& cause);
QString foreignSessionItem(const QString& file, int node, qint64 id);
// Why an import failed at a file, for the log (the path) and, each as its
// ...Cause, as the cause the user is shown (the file's name).
QString saveItemFailed(const QString& file, int node, qint64 id, const QString& error);
QString saveItemFailedCause(const QString& file, int node, qint64 id, const QString& error);
QString parseFileFailed(const QString& file, const QString& error, int line, int column);
QString parseFileFailedCause(const QString& file, const QString& error, int line, int column);
QString parseNodeFailed(const QString& file, int node);
QString parseNodeFailedCause(const QString& file, int node);
QString openFileFailed(const QString& file, const QString& error);
QString openFileFailedCause(const QString& file, const QString& error);
QString invalidXmlStructureCause(const QString& file);
QString invalidTableNameCause(const QString& file);
// Why the program cannot write in its folder or its database file; %2 is the
// system's reason.
QString folderNotWritable(const QString& folder, const QString& reason);
QString fileNotWritable(const QString& file, const QString& reason);
// A database file of a newer schema than this version knows, and one whose
// schema could not be brought up to date at a step; both were left as they
// were.
QString schemaNewer(const QString& file, int version, int known);
QString schemaStepFailed(const QString& file, const QString& step, const QString& reason);
// A database file brought up to date: its new version and the steps that
// added their object (none where the file had them already).
QString schemaUpdated(const QString& file, int version, const QStringList& steps);
// The selector texts take the zero-based position and show it counted from 1.
QString invalidAttributeValue(const QString& selector, int pos);
QString invalidTagName(const QString& selector, int pos);
QString invalidOperator(const QString& selector, int pos);
QString invalidCharacter(const QString& selector, int pos);

} // namespace LocaleMessage

} // namespace Vexal
