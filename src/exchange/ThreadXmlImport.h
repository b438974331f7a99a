#pragma once

#include "core/Thread.h"

#include <QHash>
#include <QStringList>

#include <memory>

namespace Vexal {

class DBBase;
class SqlStatement;
class XmlBase;
class XmlItem;
class XmlReader;
class XmlSource;

// Merges exchange files into the database by ID: new IDs are inserted (keeping
// the ID), existing rows are overwritten only when OverrideOnImport is on,
// items marked "XDelete" remove their rows. Each file is stored in one
// transaction: a file that fails part-way leaves the database as it was, and
// the files after it are not read. Files before it stay imported; the log
// and the failure's cause name them, the failed file and those not read.
class ThreadXmlImport : public Thread
{
    Q_OBJECT
public:
    explicit ThreadXmlImport(const QStringList& files, QObject* parent = nullptr);
    ~ThreadXmlImport() override;

    QString title() const override;
    QStringList files() const { return m_files; }

    // A new object of the kind whose table a file names; null for none.
    virtual XmlBase* createXml(const QString& table, QObject* parent) const;
    // The bytes read from a file at a time (XmlSource::setPieceSize); 0, the
    // default, keeps the source's own.
    void setPieceSize(int bytes) { m_pieceSize = bytes; }

protected:
    void run() override;

    bool importFile(const QString& path);
    bool importItems(XmlReader& reader, const QString& table, const QString& path);
    bool importNode(const XmlItem& item, const QString& path, int node);
    bool importItem(XmlBase* xml, const QString& path, int node);
    bool insertItem(XmlBase* xml, const QString& path, int node);
    bool updateItem(XmlBase* xml, const QString& path, int node);
    bool deleteItem(XmlBase* xml, const QString& path, int node);

private:
    enum class Outcome { Done, Failed, Legacy };
    Outcome importStream(XmlReader& reader, XmlSource& source, const QString& path);
    void importAll();
    void reportStop();
    bool saveFailed(XmlBase* xml, const QString& path, int node, const QString& error);
    bool openFailed(const QString& path, const QString& error);
    void parseFailed(const XmlReader& reader, const QString& path);
    bool statementFailed(XmlBase* xml, const QString& path, int node, const SqlStatement& statement);
    void logMalformed(const XmlBase* xml, const QString& path, int node) const;
    // What the table says of an item's ID: a row of it is stored, none is,
    // or the lookup failed (m_lookup tells why).
    enum class Lookup { Stored, NotStored, Failed };
    Lookup lookUp(XmlBase* xml);
    bool refuseStored(XmlBase* xml, const QString& path, int node);
    bool readActiveProjects(QString* error);
    void resetFileState();

    // Prepares the statement on the file's first item that needs it; a
    // failure shows when it runs.
    void prepareOnce(std::unique_ptr<SqlStatement>& statement, const QString& text);

    // Prepared once per file and bound again for every item.
    std::unique_ptr<SqlStatement> m_insert;
    std::unique_ptr<SqlStatement> m_update;
    std::unique_ptr<SqlStatement> m_delete;
    // The projects no file deletes (read on the first project deleted).
    bool m_activeRead = false;
    QHash<qint64, QString> m_activeProjects;
    // Asks whether an item's ID is stored (lookUp).
    std::unique_ptr<SqlStatement> m_lookup;
    // The file's kind, made new for each item read.
    std::unique_ptr<XmlBase> m_xml;

    QStringList m_files;
    // The file being imported: the one that failed when the import did.
    int m_current = 0;
    bool m_override = false;
    int m_pieceSize = 0;
    qint64 m_activeProject = -1;
};

} // namespace Vexal
