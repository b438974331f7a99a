#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>
#include <QStringList>

#define TESVAR_LOCALE_THREAD_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(spin, "Spin") \
    TEXT(removeExpiredHistory, "Remove Expired History") \
    FORWARD(importData, LocaleMenu, importData) \
    FORWARD(rebuildIndexes, LocaleMenu, rebuildIndexes) \
    FORWARD(cleanDatabase, LocaleMenu, cleanDatabase) \
    FORWARD(backupDatabase, LocaleMenu, backupDatabase) \
    FORWARD_ARGS(cannotOverrideItem, LocaleMessage, cannotOverrideItem, (const QString& file, int node, qint64 id), (file, node, id)) \
    FORWARD_ARGS(cannotOverrideItemCause, LocaleMessage, cannotOverrideItemCause, (const QString& file, int node, qint64 id), (file, node, id)) \
    FORWARD_ARGS(keyRefused, LocaleMessage, keyRefused, (const QString& file, int node, const QString& element, const QString& text), (file, node, element, text)) \
    FORWARD_ARGS(keyRefusedCause, LocaleMessage, keyRefusedCause, (const QString& file, int node, const QString& element, const QString& text), (file, node, element, text)) \
    FORWARD_ARGS(importStopped, LocaleMessage, importStopped, (const QStringList& imported, const QString& failed, const QStringList& notTried), (imported, failed, notTried)) \
    FORWARD_ARGS(importStoppedCause, LocaleMessage, importStoppedCause, (const QString& cause, const QStringList& imported, const QString& failed, const QStringList& notTried), (cause, imported, failed, notTried)) \
    FORWARD_ARGS(importStoredNothingCause, LocaleMessage, importStoredNothingCause, (const QString& cause), (cause)) \
    FORWARD_ARGS(foreignSessionItem, LocaleMessage, foreignSessionItem, (const QString& file, int node, qint64 id), (file, node, id)) \
    FORWARD_ARGS(saveItemFailed, LocaleMessage, saveItemFailed, (const QString& file, int node, qint64 id, const QString& error), (file, node, id, error)) \
    FORWARD_ARGS(saveItemFailedCause, LocaleMessage, saveItemFailedCause, (const QString& file, int node, qint64 id, const QString& error), (file, node, id, error)) \
    FORWARD_ARGS(parseNodeFailed, LocaleMessage, parseNodeFailed, (const QString& file, int node), (file, node)) \
    FORWARD_ARGS(parseNodeFailedCause, LocaleMessage, parseNodeFailedCause, (const QString& file, int node), (file, node)) \
    FORWARD_ARGS(invalidTableName, LocaleMessage, invalidTableName, (const QString& file), (file)) \
    FORWARD_ARGS(invalidTableNameCause, LocaleMessage, invalidTableNameCause, (const QString& file), (file)) \
    FORWARD_ARGS(invalidXmlStructure, LocaleMessage, invalidXmlStructure, (const QString& file), (file)) \
    FORWARD_ARGS(invalidXmlStructureCause, LocaleMessage, invalidXmlStructureCause, (const QString& file), (file)) \
    FORWARD_ARGS(parseFileFailed, LocaleMessage, parseFileFailed, (const QString& file, const QString& error, int line, int column), (file, error, line, column)) \
    FORWARD_ARGS(parseFileFailedCause, LocaleMessage, parseFileFailedCause, (const QString& file, const QString& error, int line, int column), (file, error, line, column)) \
    FORWARD_ARGS(openFileFailed, LocaleMessage, openFileFailed, (const QString& file, const QString& error), (file, error)) \
    FORWARD_ARGS(openFileFailedCause, LocaleMessage, openFileFailedCause, (const QString& file, const QString& error), (file, error)) \
    FORWARD_ARGS(sqlQueryFailed, LocaleMessage, sqlQueryFailed, (const QString& query, const QString& error), (query, error)) \
    FORWARD_ARGS(invalidObjectState, LocaleMessage, invalidObjectState, (const QString& object), (object)) \
    FORWARD(invalidFileName, LocaleMessage, invalidFileName) \
    TEXT(undef, "Undef") \
    TEXT_ARG(importRolledBack, file, "The import of the file was rolled back: none of its items were stored. File: %1.") \
    TEXT_ARG(backupWritten, file, "Operation completed successfully. The backup file is %1") \
    TEXT_ARG(exportWritten, file, "Operation completed successfully. The exported file is %1") \
    TEXT_ARG(jobCancelled, job, "The job was cancelled before it finished. Job: %1.") \
    TEXT(malformedElement, "Malformed value ignored, the stored value is kept. File: %1, node no. %2, element: %3.") \
    TEXT_ARG(readAsWindows1252, file, "The file is not valid UTF-8 and was read as Windows-1252. File: %1.") \
    TEXT(uncarriedCharacters, "Characters that XML cannot carry were left out of %1 values (the first: item ID %2, element %3). File: %4.")

namespace Vexal {

// Background jobs: titles and messages of the import, export and database jobs.
namespace LocaleThread {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_THREAD_TABLE)

} // namespace LocaleThread

} // namespace Vexal
