#include "exchange/ThreadXmlImport.h"

#include "core/Logger.h"
#include "data/DBBase.h"
#include "data/DBCache.h"
#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "exchange/RecordKinds.h"
#include "data/SqlStatement.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlReader.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleProject.h"
#include "texts/LocaleSql.h"
#include "texts/LocaleThread.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>

#include <memory>

namespace Vexal {

ThreadXmlImport::ThreadXmlImport(const QStringList& files, QObject* parent)
    : Thread(parent)
    , m_files(files)
    , m_override(DBCache::overrideOnImport()) // read on the thread that owns the cache
    , m_activeProject(DBCache::projectId())
{
}

ThreadXmlImport::~ThreadXmlImport() = default;

QString ThreadXmlImport::title() const
{
    return LocaleThread::importData();
}

void ThreadXmlImport::run()
{
    // On a failure the file's transaction is left open: closing the thread's
    // connection rolls it back.
    runGuarded([this] { importAll(); });
    // A failure is named to the user whatever failed: one with no cause of
    // its own to give (a fault of the database, say) by what the log says.
    if (!isSuccessful() && failureCause().isEmpty()) {
        QString said = errorText();
        if (said.endsWith(QLatin1Char('.')))
            said.chop(1);
        setFailureCause(said);
    }
    // Each file is stored in one transaction, which its failure rolls back:
    // failing at the first file, the import stored nothing.
    if (!isSuccessful() && m_current <= 0)
        setFailureCause(LocaleThread::importStoredNothingCause(failureCause()));
    if (!isSuccessful() && m_files.size() > 1)
        reportStop();
    resetFileState();
    DBConnection::releaseThreadConnection();
}

void ThreadXmlImport::importAll()
{
    for (m_current = 0; m_current < m_files.size(); ++m_current) {
        if (!importFile(m_files.at(m_current)))
            return;
    }
    setSuccessful(true);
}

// The files after a failed one are not tried: the log and the user are told
// which were imported, which failed and which were not tried.
void ThreadXmlImport::reportStop()
{
    const int failed = qMin(m_current, m_files.size() - 1);
    const QStringList imported = m_files.mid(0, failed);
    const QStringList notTried = m_files.mid(failed + 1);
    Logger::warning(LocaleThread::importStopped(imported, m_files.at(failed), notTried));
    setFailureCause(LocaleThread::importStoppedCause(failureCause(), imported, m_files.at(failed), notTried));
}

bool ThreadXmlImport::importFile(const QString& path)
{
    if (!QFile::exists(path))
        return openFailed(path, LocaleMessage::fileMissing());
    // A file is read as UTF-8 unless it says otherwise; one that turns out
    // not to be UTF-8 part-way is read again from the start as Windows-1252.
    for (const bool legacy : {false, true}) {
        XmlSource source;
        if (m_pieceSize > 0)
            source.setPieceSize(m_pieceSize);
        if (!source.open(path, legacy))
            return openFailed(path, source.errorText());
        XmlReader reader(&source);
        const Outcome outcome = importStream(reader, source, path);
        if (outcome == Outcome::Legacy && !legacy) {
            Logger::warning(LocaleThread::readAsWindows1252(path));
            continue;
        }
        return outcome == Outcome::Done;
    }
    return false;
}

ThreadXmlImport::Outcome ThreadXmlImport::importStream(XmlReader& reader, XmlSource& source, const QString& path)
{
    if (!reader.open()) {
        if (source.needsLegacy())
            return Outcome::Legacy;
        if (source.failed()) {
            openFailed(path, source.errorText());
            return Outcome::Failed;
        }
        if (source.isEmpty()) // an empty file holds nothing to import
            return Outcome::Done;
        parseFailed(reader, path);
        return Outcome::Failed;
    }
    if (QString::compare(reader.rootName(), ConstXML::itemsTag(), Qt::CaseInsensitive) != 0 || !reader.hasTable()
        || reader.table().isEmpty()) {
        // As when the whole piece had been read up front: a file that is not
        // UTF-8 further on is read again as Windows-1252, however far the
        // reader had to read to find its root.
        source.settle();
        if (source.needsLegacy())
            return Outcome::Legacy;
        setErrorText(LocaleThread::invalidXmlStructure(path));
        setFailureCause(LocaleThread::invalidXmlStructureCause(path));
        return Outcome::Failed;
    }

    // A save of the user's that waits goes in between two files.
    DBConnection::letWaitingWritesIn();
    QSqlDatabase db = DBConnection::current();
    QString beginError;
    QString beginCause;
    if (!DBConnection::beginWrite(db, &beginError, &beginCause)) {
        setErrorText(LocaleThread::sqlQueryFailed(DBConnection::beginWriteText(), beginError));
        setFailureCause(beginCause);
        return Outcome::Failed;
    }
    resetFileState();
    bool ok = importItems(reader, reader.table(), path);
    resetFileState();
    if (!ok) // as when the whole piece had been read up front
        source.settle();
    if (!ok && source.needsLegacy()) {
        db.rollback();
        setErrorText(QString());
        setFailureCause(QString());
        return Outcome::Legacy;
    }
    if (ok && !db.commit()) {
        setErrorText(LocaleThread::sqlQueryFailed(QStringLiteral("COMMIT"), db.lastError().text()));
        setFailureCause(DBConnection::failureCause(db, db.lastError()));
        ok = false;
    }
    if (!ok) {
        db.rollback();
        Logger::warning(LocaleThread::importRolledBack(path));
    }
    return ok ? Outcome::Done : Outcome::Failed;
}

void ThreadXmlImport::resetFileState()
{
    m_insert.reset();
    m_update.reset();
    m_lookup.reset();
    m_delete.reset();
    m_activeRead = false;
    m_activeProjects.clear();
    m_xml.reset();
}

XmlBase* ThreadXmlImport::createXml(const QString& table, QObject* parent) const
{
    return RecordKinds::createXml(RecordKinds::codeOfTable(table), parent);
}

// Items are stored as they are read: the file's transaction, not a first
// pass over the file, keeps a file that fails part-way from leaving anything.
bool ThreadXmlImport::importItems(XmlReader& reader, const QString& table, const QString& path)
{
    XmlItem item;
    for (int node = 0;; ++node) {
        switch (reader.next(&item)) {
        case XmlReader::Item:
            if (!m_xml) {
                m_xml.reset(createXml(table, nullptr));
                if (m_xml)
                    m_xml->reset();
            }
            if (!importNode(item, path, node))
                return false;
            break;
        case XmlReader::End:
            return true;
        case XmlReader::Error:
            if (!reader.sourceFailed() || !reader.errorText().isEmpty())
                parseFailed(reader, path);
            return false;
        }
    }
}

// One object of the kind serves every item of the file: it is made new
// again (reset) after each item, which also lets go of the item's texts
// before the reader needs room for the next ones.
bool ThreadXmlImport::importNode(const XmlItem& item, const QString& path, int node)
{
    if (!m_xml) {
        setErrorText(LocaleThread::invalidTableName(path));
        setFailureCause(LocaleThread::invalidTableNameCause(path));
        return false;
    }
    if (!m_xml->read(item)) {
        if (m_xml->refusedKey().isEmpty()) {
            setErrorText(LocaleThread::parseNodeFailed(path, node));
            setFailureCause(LocaleThread::parseNodeFailedCause(path, node));
        } else {
            setErrorText(LocaleThread::keyRefused(path, node, m_xml->refusedKey(), m_xml->refusedKeyText()));
            setFailureCause(LocaleThread::keyRefusedCause(path, node, m_xml->refusedKey(), m_xml->refusedKeyText()));
        }
        return false;
    }
    logMalformed(m_xml.get(), path, node);
    const bool ok = importItem(m_xml.get(), path, node);
    m_xml->reset();
    return ok;
}

// Whether a row with the item's ID is stored, put to the table. An import
// asks it only where the statements that store cannot tell: an insert fails
// on a stored ID by itself, and a delete or overwrite changes the row of its
// ID only where there is one. So the table is asked about an item before it
// is stored only by a kind saved through its own insert, and otherwise only
// once the item has failed, to name the clash as its cause: the work of an
// import grows with its items, never with the rows stored beside them.
ThreadXmlImport::Lookup ThreadXmlImport::lookUp(XmlBase* xml)
{
    prepareOnce(m_lookup, QStringLiteral("SELECT 1 FROM %2 WHERE %1 = ?;").arg(DBSql::colID(), xml->tableName()));
    SqlStatement& lookup = *m_lookup;
    if (lookup.isPrepared())
        lookup.bindInt(0, xml->id());
    bool found = false;
    while (lookup.next())
        found = true;
    if (!lookup.errorText().isEmpty())
        return Lookup::Failed;
    return found ? Lookup::Stored : Lookup::NotStored;
}

// The item's ID is stored: the user is told which option would let it
// through, not only in the log.
bool ThreadXmlImport::refuseStored(XmlBase* xml, const QString& path, int node)
{
    setErrorText(LocaleThread::cannotOverrideItem(path, node, xml->id()));
    setFailureCause(LocaleThread::cannotOverrideItemCause(path, node, xml->id()));
    return false;
}

bool ThreadXmlImport::importItem(XmlBase* xml, const QString& path, int node)
{
    if (xml->deleteMark())
        return deleteItem(xml, path, node);
    // An overwrite tells by itself whether the row is stored (it changes
    // none otherwise), and an insert fails on a stored ID.
    return m_override ? updateItem(xml, path, node) : insertItem(xml, path, node);
}

void ThreadXmlImport::prepareOnce(std::unique_ptr<SqlStatement>& statement, const QString& text)
{
    if (!statement) {
        statement.reset(new SqlStatement);
        statement->prepare(DBConnection::current(), text);
    }
}

// The record's own insert text and row binding (DBFields::bindRow, as the
// record base's save binds it), through a statement prepared once per file
// rather than a QtSql statement per item: every record of a kind inserts with
// the same text. Every field is bound (so no value of the item before stays);
// a new record's ID is NULL, for the table to give. An item whose ID is
// stored (by the table or by the file's items before it) is refused: the
// insert fails on it, and the failure is then named as the clash. A kind
// saved through its own insert, which may store over a row, is asked first.
bool ThreadXmlImport::insertItem(XmlBase* xml, const QString& path, int node)
{
    DBBase* record = xml->record();
    // An item that failed is told by its stored ID, whatever else failed;
    // where the ID is free, or the lookup fails, by its own failure.
    if (!record->isValid()) {
        if (lookUp(xml) == Lookup::Stored)
            return refuseStored(xml, path, node);
        return saveFailed(xml, path, node, xml->errorText());
    }
    if (!m_insert) {
        const QString text = record->insertText();
        if (text.isEmpty()) {
            const Lookup stored = lookUp(xml);
            if (stored == Lookup::Failed)
                return statementFailed(xml, path, node, *m_lookup);
            if (stored == Lookup::Stored)
                return refuseStored(xml, path, node);
            if (xml->insertRecord())
                return true;
            return saveFailed(xml, path, node, xml->errorText());
        }
        prepareOnce(m_insert, text);
    }
    SqlStatement& insert = *m_insert;
    if (insert.isPrepared())
        insert.bindRow(record);
    if (insert.exec())
        return true;
    if (lookUp(xml) == Lookup::Stored)
        return refuseStored(xml, path, node);
    return statementFailed(xml, path, node, insert);
}

// An overwrite changes only the columns whose elements gave a value: the
// others keep what is stored, in the statement itself, so the stored row is
// never read (the record's UPDATE would set every column); an item whose row
// is not stored is inserted instead. Prepared once per file; every field is
// bound by position as (given, value), the value as the field table binds it
// for the record base too, and the ID last.
bool ThreadXmlImport::updateItem(XmlBase* xml, const QString& path, int node)
{
    DBBase* record = xml->record();
    if (!record->isValid())
        return saveFailed(xml, path, node, xml->errorText());
    const DBFields& fields = record->fields();
    if (!m_update) {
        QStringList sets;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const QString column = fields[i].column();
            sets << QStringLiteral("%1 = CASE WHEN ? THEN ? ELSE %1 END").arg(column);
        }
        prepareOnce(m_update, QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?;")
                                  .arg(record->tableName(), sets.join(QLatin1String(", ")), DBSql::colID()));
    }
    SqlStatement& update = *m_update;
    if (update.isPrepared()) {
        int position = 0;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            const bool given = xml->isGiven(i);
            update.bindInt(position++, given ? 1 : 0);
            if (given)
                update.bindField(position++, fields[i], record);
            else
                update.bindNull(position++);
        }
        update.bindInt(position, record->id());
    }
    if (!update.exec())
        return statementFailed(xml, path, node, update);
    if (update.changes() > 0)
        return true;
    return insertItem(xml, path, node);
}

// A stored row goes through a statement prepared once per file, as the
// record's own delete would take it; an ID that is not stored deletes
// nothing, and the item is done.
bool ThreadXmlImport::deleteItem(XmlBase* xml, const QString& path, int node)
{
    DBBase* record = xml->record();
    const qint64 id = xml->id();
    // An item that could not be saved fails only where it would delete a
    // stored row.
    if (!record->isValid()) {
        const Lookup stored = lookUp(xml);
        if (stored == Lookup::Failed)
            return statementFailed(xml, path, node, *m_lookup);
        if (stored == Lookup::Stored)
            return saveFailed(xml, path, node, xml->errorText());
        return true;
    }
    // The active project is never deleted, by a file no more than by its
    // journal: the window and every new record go on naming it. No import
    // makes a project active, so the active ones are looked up once a file.
    if (xml->tableName() == DBSql::tableProject()) {
        QString error;
        if (!m_activeRead && !readActiveProjects(&error))
            return saveFailed(xml, path, node, error);
        const auto active = m_activeProjects.constFind(id);
        if (active != m_activeProjects.constEnd())
            return saveFailed(xml, path, node, LocaleProject::activeProjectUndeletable(active.value()));
    }
    prepareOnce(m_delete, QStringLiteral("DELETE FROM %1 WHERE %2 = ?;").arg(xml->tableName(), DBSql::colID()));
    SqlStatement& remove = *m_delete;
    if (remove.isPrepared())
        remove.bindInt(0, id);
    if (remove.exec())
        return true;
    return statementFailed(xml, path, node, remove);
}

// The projects marked active, and the one the window names, by ID with their
// names.
bool ThreadXmlImport::readActiveProjects(QString* error)
{
    SqlStatement query;
    query.prepare(DBConnection::current(), QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 <> 0 OR %1 = ?;")
                                               .arg(DBSql::colID(), DBSql::colName(), DBSql::tableProject(),
                                                    DBSql::colActive()));
    if (query.isPrepared())
        query.bindInt(0, m_activeProject);
    while (query.next())
        m_activeProjects.insert(query.columnInt(0), query.columnText(1));
    if (!query.errorText().isEmpty()) {
        *error = LocaleSql::sqlQueryFailed(query.text(), query.errorText());
        setFailureCause(query.failureCause());
        return false;
    }
    m_activeRead = true;
    return true;
}

// The item's failure is named to the user too: its cause of the disk, where
// it has one, else what failed.
bool ThreadXmlImport::saveFailed(XmlBase* xml, const QString& path, int node, const QString& error)
{
    setErrorText(LocaleThread::saveItemFailed(path, node, xml->id(), error));
    if (failureCause().isEmpty())
        setFailureCause(LocaleThread::saveItemFailedCause(path, node, xml->id(), error));
    return false;
}

bool ThreadXmlImport::openFailed(const QString& path, const QString& error)
{
    setErrorText(LocaleThread::openFileFailed(path, error));
    setFailureCause(LocaleThread::openFileFailedCause(path, error));
    return false;
}

void ThreadXmlImport::parseFailed(const XmlReader& reader, const QString& path)
{
    setErrorText(LocaleThread::parseFileFailed(path, reader.errorText(), reader.line(), reader.column()));
    setFailureCause(LocaleThread::parseFileFailedCause(path, reader.errorText(), reader.line(), reader.column()));
}

// A statement's failure also names its cause to the user (a full disk, say).
bool ThreadXmlImport::statementFailed(XmlBase* xml, const QString& path, int node, const SqlStatement& statement)
{
    setFailureCause(statement.failureCause());
    return saveFailed(xml, path, node, LocaleSql::sqlQueryFailed(statement.text(), statement.errorText()));
}

void ThreadXmlImport::logMalformed(const XmlBase* xml, const QString& path, int node) const
{
    for (const QString& element : xml->malformedElements())
        Logger::warning(LocaleThread::malformedElement().arg(path, QString::number(node), element));
}

} // namespace Vexal
