#include "exchange/ThreadXmlImport.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBConnection.h"
#include "data/DBQueryManager.h"
#include "data/DBSql.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlList.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleThread.h"

#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTextCodec>

#include <memory>

namespace Vexal {

ThreadXmlImport::ThreadXmlImport(const QStringList& files, QObject* parent)
    : Thread(parent)
    , m_files(files)
    , m_override(DBCache::overrideOnImport()) // read on the thread that owns the cache
{
}

QString ThreadXmlImport::title() const
{
    return LocaleThread::importData();
}

QString ThreadXmlImport::decode(const QByteArray& bytes, bool* legacy)
{
    if (legacy)
        *legacy = false;
    if (QTextCodec* bom = QTextCodec::codecForUtfText(bytes, nullptr))
        return bom->toUnicode(bytes);

    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    if (bytes.startsWith("<?xml")) {
        const int end = bytes.indexOf("?>");
        static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
        const QRegularExpressionMatch match =
            encoding.match(QString::fromLatin1(bytes.left(end < 0 ? 0 : end)));
        if (match.hasMatch()) {
            QTextCodec* declared = QTextCodec::codecForName(match.captured(1).toLatin1());
            if (declared && declared != utf8)
                return declared->toUnicode(bytes);
        }
    }

    QTextCodec::ConverterState state;
    const QString text = utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return text;
    if (legacy)
        *legacy = true;
    return QTextCodec::codecForName("Windows-1252")->toUnicode(bytes);
}

void ThreadXmlImport::run()
{
    importAll();
    DBConnection::releaseThreadConnection();
}

void ThreadXmlImport::importAll()
{
    QObject scratch;
    m_queryManager = new DBQueryManager(&scratch);
    bool ok = true;
    for (const QString& path : qAsConst(m_files)) {
        if (!importFile(path)) {
            ok = false;
            break;
        }
    }
    m_queryManager = nullptr;
    setSuccessful(ok);
}

bool ThreadXmlImport::importFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        setErrorText(LocaleThread::openFileFailed(path, LocaleMessage::fileMissing()));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setErrorText(LocaleThread::openFileFailed(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setErrorText(LocaleThread::openFileFailed(path, file.errorString()));
        return false;
    }
    file.close();

    bool legacy = false;
    const QString text = decode(bytes, &legacy);
    if (text.isEmpty())
        return true;
    if (legacy)
        Logger::warning(LocaleThread::readAsWindows1252(path));

    QDomDocument document(ConstXML::docName());
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &message, &line, &column)) {
        setErrorText(LocaleThread::parseFileFailed(path, message, line, column));
        return false;
    }
    const QString table = tableNameOf(document);
    if (table.isEmpty()) {
        setErrorText(LocaleThread::invalidXmlStructure(path));
        return false;
    }

    QSqlDatabase db = DBConnection::current();
    if (!db.transaction()) {
        setErrorText(LocaleThread::sqlQueryFailed(QStringLiteral("BEGIN"), db.lastError().text()));
        return false;
    }
    bool ok = importNodes(document, table, path);
    if (ok && !db.commit()) {
        setErrorText(LocaleThread::sqlQueryFailed(QStringLiteral("COMMIT"), db.lastError().text()));
        ok = false;
    }
    if (!ok) {
        db.rollback();
        Logger::warning(LocaleThread::importRolledBack(path));
    }
    return ok;
}

QString ThreadXmlImport::tableNameOf(const QDomDocument& document) const
{
    const QDomElement root = document.documentElement();
    if (root.isNull() || QString::compare(root.nodeName(), ConstXML::itemsTag(), Qt::CaseInsensitive) != 0)
        return QString();
    return root.attribute(ConstXML::tableAttribute());
}

XmlBase* ThreadXmlImport::createXml(const QString& table, QObject* parent) const
{
    return XmlList::create(XmlList::codeOfTable(table), parent);
}

bool ThreadXmlImport::importNodes(const QDomDocument& document, const QString& table, const QString& path)
{
    QObject scratch;
    const QDomElement root = document.documentElement();
    int node = 0;
    for (QDomNode child = root.firstChild(); !child.isNull(); child = child.nextSibling(), ++node) {
        XmlBase* xml = createXml(table, &scratch);
        if (!xml) {
            setErrorText(LocaleThread::invalidTableName(path));
            return false;
        }
        const QDomElement item = child.toElement();
        if (!xml->read(item)) {
            setErrorText(LocaleThread::parseNodeFailed(path, node));
            return false;
        }
        logMalformed(xml, path, node);
        if (!importItem(xml, item, path, node))
            return false;
        delete xml;
    }
    return true;
}

bool ThreadXmlImport::importItem(XmlBase* xml, const QDomElement& item, const QString& path, int node)
{
    const bool exists = m_queryManager->exists(xml->id(), xml->tableName());
    if (m_queryManager->lastFailed())
        return saveFailed(xml, path, node, m_queryManager->errorText());
    if (xml->deleteMark())
        return deleteItem(xml, path, node, exists);
    if (exists) {
        if (!m_override) {
            setErrorText(LocaleThread::cannotOverrideItem(path, node, xml->id()));
            return false;
        }
        return updateItem(xml, item, path, node);
    }
    return insertItem(xml, path, node);
}

bool ThreadXmlImport::insertItem(XmlBase* xml, const QString& path, int node)
{
    return xml->insertRecord() || saveFailed(xml, path, node, xml->errorText());
}

bool ThreadXmlImport::updateItem(XmlBase* xml, const QDomElement& item, const QString& path, int node)
{
    // The stored row is loaded first, so that what the item does not carry
    // (or carries malformed) keeps its stored value.
    std::unique_ptr<XmlBase> stored(createXml(xml->tableName(), nullptr));
    if (!stored->loadStored(xml->id()))
        return saveFailed(stored.get(), path, node, stored->errorText());
    if (!stored->read(item) || !stored->updateRecord())
        return saveFailed(stored.get(), path, node, stored->errorText());
    return true;
}

bool ThreadXmlImport::deleteItem(XmlBase* xml, const QString& path, int node, bool exists)
{
    if (!exists)
        return true;
    return xml->deleteRecord() || saveFailed(xml, path, node, xml->errorText());
}

bool ThreadXmlImport::saveFailed(XmlBase* xml, const QString& path, int node, const QString& error)
{
    setErrorText(LocaleThread::saveItemFailed(path, node, xml->id(), error));
    return false;
}

void ThreadXmlImport::logMalformed(const XmlBase* xml, const QString& path, int node) const
{
    for (const QString& element : xml->malformedElements())
        Logger::warning(LocaleThread::malformedElement().arg(path, QString::number(node), element));
}

} // namespace Vexal
