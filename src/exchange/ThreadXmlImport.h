#pragma once

#include "core/Thread.h"

#include <QStringList>

class QDomDocument;
class QDomElement;

namespace Vexal {

class DBQueryManager;
class XmlBase;

// Merges exchange files into the database by ID: new IDs are inserted (keeping
// the ID), existing rows are overwritten only when OverrideOnImport is on,
// items marked "XDelete" remove their rows. Each file is stored in one
// transaction: a file that fails part-way leaves the database as it was, and
// the files after it are not read. Files before it stay imported.
class ThreadXmlImport : public Thread
{
    Q_OBJECT
public:
    explicit ThreadXmlImport(const QStringList& files, QObject* parent = nullptr);

    QString title() const override;
    QStringList files() const { return m_files; }

    // Text of a file's bytes: a byte-order mark or the XML declaration's
    // encoding decides; otherwise UTF-8, or Windows-1252 when the bytes are
    // not valid UTF-8 (then *legacy is set).
    static QString decode(const QByteArray& bytes, bool* legacy = nullptr);

    QString tableNameOf(const QDomDocument& document) const;
    XmlBase* createXml(const QString& table, QObject* parent) const;

protected:
    void run() override;

    bool importFile(const QString& path);
    bool importNodes(const QDomDocument& document, const QString& table, const QString& path);
    bool importItem(XmlBase* xml, const QDomElement& item, const QString& path, int node);
    bool insertItem(XmlBase* xml, const QString& path, int node);
    bool updateItem(XmlBase* xml, const QDomElement& item, const QString& path, int node);
    bool deleteItem(XmlBase* xml, const QString& path, int node, bool exists);

private:
    void importAll();
    bool saveFailed(XmlBase* xml, const QString& path, int node, const QString& error);
    void logMalformed(const XmlBase* xml, const QString& path, int node) const;

    QStringList m_files;
    DBQueryManager* m_queryManager = nullptr;
    bool m_override = false;
};

} // namespace Vexal
