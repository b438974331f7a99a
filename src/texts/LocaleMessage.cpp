#include "texts/LocaleMessage.h"

#include "texts/LocaleMenu.h"
#include "texts/LocaleOptions.h"

#include <QFileInfo>

#include <limits>

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleMessage
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_MESSAGE_TABLE)
#undef TESVAR_LOCALE_CLASS

static QString number(qint64 value)
{
    return QString::number(value, 10);
}

// One pass: an error text holding a marker cannot capture the query.
QString LocaleMessage::sqlQueryFailed(const QString& query, const QString& error)
{
    return QStringLiteral("SQL Query failed. Error: \"%1\". Query: \"%2\"").arg(error, query);
}

QString LocaleMessage::valueDoesNotFit(const QString& field, int limit, int size)
{
    const QString pattern = limit == 1 ? QStringLiteral("%1: the box takes %2 character, the value has %3")
                                       : QStringLiteral("%1: the box takes %2 characters, the value has %3");
    return pattern.arg(field, number(limit), number(size));
}

QString LocaleMessage::templateSelectorInvalid(const QString& templ, const QString& field, const QString& error)
{
    return QStringLiteral("Website template \"%1\" contains an invalid selector in its field \"%2\". I can't parse "
                          "it: %3")
        .arg(templ, field, error);
}

QString LocaleMessage::boxLeftEmpty(const QString& box, const QString& reason)
{
    return QStringLiteral("%1: %2").arg(box, reason);
}

QString LocaleMessage::accountNotSaved(const QString& website, const QString& failure)
{
    return QStringLiteral("No account was stored for \"%1\". %2").arg(website, failure);
}

QString LocaleMessage::confirmDeleteRecordCount(int count)
{
    return QStringLiteral("I am going to delete %1 selected record(s). Should I continue?").arg(number(count));
}

QString LocaleMessage::identityTableEmpty(const QString& table, const QString& missing, const QString& file)
{
    return QStringLiteral("Can't create a master account: the %1 table has %2. File > Import adds them from an XML "
                          "file; the System file %3 (in the data/system folder that comes with the program) has them "
                          "for every language and country of the System files.")
        .arg(table, missing, file);
}

QString LocaleMessage::identityMaleNamesMissing(const QString& language)
{
    return QStringLiteral("no male names for the language \"%1\"").arg(language);
}

QString LocaleMessage::identityFemaleNamesMissing(const QString& language)
{
    return QStringLiteral("no female names for the language \"%1\"").arg(language);
}

QString LocaleMessage::identityNamesMissing(const QString& language)
{
    return QStringLiteral("no names for the language \"%1\"").arg(language);
}

QString LocaleMessage::identityCountryRowsMissing(const QString& country)
{
    return QStringLiteral("no rows for the country \"%1\"").arg(country);
}

QString LocaleMessage::failureFor(const QString& cause)
{
    return cause.isEmpty() ? unexpectedError() : operationFailedBecause(cause);
}

QString LocaleMessage::recordNoLongerExists(const QString& kind, qint64 id)
{
    return QStringLiteral("The %1 (ID %2) no longer exists: it was deleted meanwhile.").arg(kind, number(id));
}

QString LocaleMessage::identityTableMissing(const QString& table, const QString& file)
{
    return QStringLiteral("Can't create a master account: the %1 table is empty. File > Import fills it: choose %2 "
                          "among the System files (the data/system folder that comes with the program).")
        .arg(table, file);
}

QString LocaleMessage::tableEmpty(const QString& table, const QString& file)
{
    return QStringLiteral("The %1 table is empty, so there is nothing to choose. File > Import fills it: choose %2 "
                          "among the System files (the data/system folder that comes with the program).")
        .arg(table, file);
}

QString LocaleMessage::overrideOption()
{
    return QStringLiteral("\"%1\" (%2 > %3 > %4 > %5)")
        .arg(LocaleOptions::overrideExistingData(), QString(LocaleMenu::toolsMenu()).remove(QLatin1Char('&')),
             LocaleMenu::options(), LocaleOptions::content(), LocaleOptions::importAndExport());
}

QString LocaleMessage::cannotOverrideItem(const QString& file, int node, qint64 id)
{
    return QStringLiteral("Can't override an existing item. File: %1, node no. %2, ID: %3. An import replaces "
                          "stored items only with %4 on.")
        .arg(file, number(node), number(id), overrideOption());
}

QString LocaleMessage::cannotOverrideItemCause(const QString& file, int node, qint64 id)
{
    return QStringLiteral("the item with ID %1 in %2 (node no. %3) is stored already, and an import replaces stored "
                          "items only with %4 on")
        .arg(number(id), QFileInfo(file).fileName(), number(node), overrideOption());
}

QString LocaleMessage::keyRefused(const QString& file, int node, const QString& element, const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Failed to parse the xml node. File: %1, node no. %2, element: %3: no ID is given.")
            .arg(file, number(node), element);
    return QStringLiteral("Failed to parse the xml node. File: %1, node no. %2, element: %3: \"%4\" is not an ID a "
                          "table can hold (a whole number from %5 to %6).")
        .arg(file, number(node), element, text, number(std::numeric_limits<qint64>::min()),
             number(std::numeric_limits<qint64>::max()));
}

QString LocaleMessage::keyRefusedCause(const QString& file, int node, const QString& element, const QString& text)
{
    const QString name = QFileInfo(file).fileName();
    if (text.isEmpty())
        return QStringLiteral("the item in %1 (node no. %2) gives no %3").arg(name, number(node), element);
    return QStringLiteral("the %1 \"%2\" of the item in %3 (node no. %4) is not an ID a table can hold (a whole "
                          "number from %5 to %6)")
        .arg(element, text, name, number(node), number(std::numeric_limits<qint64>::min()),
             number(std::numeric_limits<qint64>::max()));
}

// The files named, or "none".
static QString fileList(const QStringList& files, bool names)
{
    if (files.isEmpty())
        return QStringLiteral("none");
    QStringList shown;
    for (const QString& file : files)
        shown << (names ? QFileInfo(file).fileName() : file);
    return shown.join(QLatin1String(", "));
}

QString LocaleMessage::importStopped(const QStringList& imported, const QString& failed, const QStringList& notTried)
{
    return QStringLiteral("The import stopped at a file that failed. Files imported: %1. Failed: %2. Not tried: %3.")
        .arg(fileList(imported, false), failed, fileList(notTried, false));
}

QString LocaleMessage::importStoppedCause(const QString& cause, const QStringList& imported, const QString& failed,
                                          const QStringList& notTried)
{
    const QString files = QStringLiteral("files imported: %1; failed: %2; not tried: %3")
                              .arg(fileList(imported, true), QFileInfo(failed).fileName(), fileList(notTried, true));
    return cause.isEmpty() ? files : QStringLiteral("%1; %2").arg(cause, files);
}

QString LocaleMessage::importStoredNothingCause(const QString& cause)
{
    const QString nothing = QStringLiteral("nothing was stored");
    return cause.isEmpty() ? nothing : QStringLiteral("%1; %2").arg(cause, nothing);
}

QString LocaleMessage::foreignSessionItem(const QString& file, int node, qint64 id)
{
    return QStringLiteral("Can't import an item from another session. File: %1, node no. %2, ID: %3")
        .arg(file, number(node), number(id));
}

QString LocaleMessage::saveItemFailed(const QString& file, int node, qint64 id, const QString& error)
{
    return QStringLiteral("Failed to save an item. File: %1, node no. %2, ID: %3, error: %4")
        .arg(file, number(node), number(id), error);
}

QString LocaleMessage::parseFileFailed(const QString& file, const QString& error, int line, int column)
{
    return QStringLiteral("Failed to parse a file. File: %1, error: %2, line: %3, column: %4.")
        .arg(file, error, number(line), number(column));
}

QString LocaleMessage::parseNodeFailed(const QString& file, int node)
{
    return QStringLiteral("Failed to parse the xml node. File: %1, node no. %2.").arg(file, number(node));
}

QString LocaleMessage::openFileFailed(const QString& file, const QString& error)
{
    return QStringLiteral("Failed to open a file. File: %1, error: %2.").arg(file, error);
}

// A message of the log as the part of a cause: without its full stop.
static QString clause(const QString& message)
{
    return message.endsWith(QLatin1Char('.')) ? message.chopped(1) : message;
}

QString LocaleMessage::saveItemFailedCause(const QString& file, int node, qint64 id, const QString& error)
{
    return QStringLiteral("the item with ID %1 in %2 (node no. %3) could not be imported: %4")
        .arg(number(id), QFileInfo(file).fileName(), number(node), clause(error));
}

QString LocaleMessage::parseFileFailedCause(const QString& file, const QString& error, int line, int column)
{
    return QStringLiteral("%1 is not well-formed XML: %2 (line %3, column %4)")
        .arg(QFileInfo(file).fileName(), clause(error), number(line), number(column));
}

QString LocaleMessage::parseNodeFailedCause(const QString& file, int node)
{
    return QStringLiteral("node no. %1 of %2 is no item an import can read")
        .arg(number(node), QFileInfo(file).fileName());
}

QString LocaleMessage::openFileFailedCause(const QString& file, const QString& error)
{
    return QStringLiteral("%1 could not be opened (%2)").arg(QFileInfo(file).fileName(), clause(error));
}

QString LocaleMessage::invalidXmlStructureCause(const QString& file)
{
    return QStringLiteral("%1 is no exchange file: its root is not an \"items\" element that names a table")
        .arg(QFileInfo(file).fileName());
}

QString LocaleMessage::invalidTableNameCause(const QString& file)
{
    return QStringLiteral("%1 names a table that keeps no kind of record").arg(QFileInfo(file).fileName());
}

QString LocaleMessage::folderNotWritable(const QString& folder, const QString& reason)
{
    return QStringLiteral("the folder %1 cannot be written (%2).").arg(folder, reason);
}

QString LocaleMessage::fileNotWritable(const QString& file, const QString& reason)
{
    return QStringLiteral("the file %1 cannot be written (%2).").arg(file, reason);
}

QString LocaleMessage::schemaNewer(const QString& file, int version, int known)
{
    return QStringLiteral("the file %1 was made by a newer version of the program (its schema is %2, this version "
                          "knows schemas up to %3); it was left as it is.")
        .arg(file, number(version), number(known));
}

QString LocaleMessage::schemaStepFailed(const QString& file, const QString& step, const QString& reason)
{
    return QStringLiteral("the file %1 could not be brought up to date (step %2: %3); it was left as it is.")
        .arg(file, step, reason);
}

QString LocaleMessage::schemaUpdated(const QString& file, int version, const QStringList& steps)
{
    return QStringLiteral("The file %1 was brought up to date to schema %2 (%3).")
        .arg(file, number(version),
             steps.isEmpty() ? QStringLiteral("it had every step's object already")
                             : QStringLiteral("steps: ") + steps.join(QLatin1String(", ")));
}

QString LocaleMessage::invalidAttributeValue(const QString& selector, int pos)
{
    return QStringLiteral("Invalid attribute value at pos. %1. Selector: %2").arg(number(pos + 1), selector);
}

QString LocaleMessage::invalidTagName(const QString& selector, int pos)
{
    return QStringLiteral("Invalid tag name at pos. %1. Selector: %2").arg(number(pos + 1), selector);
}

QString LocaleMessage::invalidOperator(const QString& selector, int pos)
{
    return QStringLiteral("Invalid operator at pos. %1. Selector: %2").arg(number(pos + 1), selector);
}

QString LocaleMessage::invalidCharacter(const QString& selector, int pos)
{
    return QStringLiteral("Invalid character at pos. %1. Selector: %2").arg(number(pos + 1), selector);
}

} // namespace Vexal
