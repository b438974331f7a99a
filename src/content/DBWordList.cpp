#include "content/DBWordList.h"

#include "content/DBWord.h"
#include "core/DBSql.h"

#include <QSqlQuery>

namespace Vexal {

namespace {

QString namePlaceholder()
{
    return QStringLiteral(":LookupName");
}

} // namespace

DBWordList::DBWordList(QObject* parent)
    : DBListBase(parent)
    , m_languageId(-1)
{
    setPrototype(new DBWord(this));
    setFilterMode(ModeAll);
}

DBWordList::DBWordList(int languageId, QObject* parent)
    : DBListBase(parent)
    , m_languageId(languageId)
{
    setPrototype(new DBWord(this));
    setFilterMode(ModeOwner);
}

DBWordList::DBWordList(int languageId, const QString& name, QObject* parent)
    : DBListBase(parent)
    , m_languageId(languageId)
    , m_name(name)
{
    setPrototype(new DBWord(this));
    setFilterMode(ModeName);
}

QString DBWordList::whereText() const
{
    switch (filterMode()) {
    case ModeOwner:
        return QStringLiteral("%1 = %2").arg(DBSql::colLanguageID(), QString::number(m_languageId));
    case ModeName:
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colLanguageID(), QString::number(m_languageId), DBSql::colName(), namePlaceholder());
    default:
        return DBListBase::whereText();
    }
}

void DBWordList::bindWhere(QSqlQuery& query) const
{
    if (filterMode() == ModeName)
        query.bindValue(namePlaceholder(), m_name);
}

DBWord* DBWordList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBWord*>(DBListBase::at(index));
}

DBWord* DBWordList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBWord*>(record);
    }
    return nullptr;
}

DBWord* DBWordList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* word = new DBWord(this);
    if (filterMode() != ModeAll)
        word->setLanguageId(m_languageId);
    if (filterMode() == ModeName)
        word->setName(m_name);
    append(word);
    return word;
}

} // namespace Vexal
