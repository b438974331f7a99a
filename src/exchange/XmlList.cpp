#include "exchange/XmlList.h"

#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "data/DBUrlShortcutList.h"
#include "exchange/RecordKinds.h"
#include "data/SqlStatement.h"
#include "exchange/XmlRecord.h"
#include "texts/LocaleMessage.h"

#include <QSqlError>
#include <QSqlQuery>

#include <memory>

namespace Vexal {

XmlList::XmlList(int typeCode, QObject* parent)
    : QObject(parent)
    , m_typeCode(typeCode)
{
}

XmlBase* XmlList::createItem()
{
    return RecordKinds::createXml(m_typeCode, this);
}

QString XmlList::fileName() const
{
    return m_prototype ? m_prototype->displayName() : QString();
}

QString XmlList::tableName() const
{
    return m_prototype ? m_prototype->tableName() : QString();
}

void XmlList::clear()
{
    qDeleteAll(m_items);
    m_items.clear();
}

QString XmlList::selectText() const
{
    return QStringLiteral("SELECT %1 FROM %2;").arg(m_prototype->columnsText(), m_prototype->tableName());
}

bool XmlList::makePrototype()
{
    if (!m_prototype)
        m_prototype = createItem();
    if (!m_prototype) {
        m_errorText = LocaleMessage::invalidObjectState(QStringLiteral("m_obj"));
        return false;
    }
    return true;
}

bool XmlList::runSelect(QSqlQuery& query, QString* text)
{
    if (!makePrototype())
        return false;
    clear();

    *text = selectText();
    query.setForwardOnly(true);
    if (!query.exec(*text)) {
        m_errorText = LocaleMessage::sqlQueryFailed(*text, query.lastError().text());
        return false;
    }
    return true;
}

bool XmlList::load()
{
    QSqlQuery query(DBConnection::current());
    QString text;
    if (!runSelect(query, &text))
        return false;
    while (query.next()) {
        XmlBase* item = createItem();
        item->readValues(query);
        m_items.append(item);
    }
    if (query.lastError().isValid()) {
        m_errorText = LocaleMessage::sqlQueryFailed(text, query.lastError().text());
        return false;
    }

    if (m_typeCode == kindCode(RecordKind::UrlShortcut) && m_items.isEmpty()) {
        DBUrlShortcutList defaults;
        defaults.appendDefaults();
        for (int i = 0; i < defaults.count(); ++i)
            m_items.append(new XmlUrlShortcut(defaults.at(i), this));
    }
    return true;
}

// The rows are read through SQLite's own API (SqlStatement): the driver's
// texts go through UTF-16 in SQLite and a row cache, which took as long as
// the rest of an export.
bool XmlList::scan(const std::function<bool(XmlBase*)>& visit)
{
    if (!makePrototype())
        return false;
    clear();
    const QString text = selectText();
    SqlStatement select;
    m_failureCause.clear();
    if (!select.prepare(DBConnection::current(), text)) {
        m_errorText = LocaleMessage::sqlQueryFailed(text, select.errorText());
        m_failureCause = select.failureCause();
        return false;
    }
    // Every record reads all of its columns in readValues(), so one object
    // serves every row.
    std::unique_ptr<XmlBase> row(createItem());
    bool any = false;
    while (select.next()) {
        row->readValues(select);
        any = true;
        if (!visit(row.get())) {
            m_errorText.clear();
            return false;
        }
    }
    row.reset();
    if (!select.errorText().isEmpty()) {
        m_errorText = LocaleMessage::sqlQueryFailed(text, select.errorText());
        m_failureCause = select.failureCause();
        return false;
    }

    if (m_typeCode == kindCode(RecordKind::UrlShortcut) && !any) {
        DBUrlShortcutList defaults;
        defaults.appendDefaults();
        for (int i = 0; i < defaults.count(); ++i) {
            XmlUrlShortcut shortcut(defaults.at(i), nullptr);
            if (!visit(&shortcut))
                return false;
        }
    }
    return true;
}

} // namespace Vexal
