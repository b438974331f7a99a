#include "content/DBSynonymList.h"

#include "content/DBSynonym.h"
#include "core/DBSql.h"

#include <QSqlQuery>

namespace Vexal {

namespace {

QString namePlaceholder()
{
    return QStringLiteral(":LookupName");
}

} // namespace

DBSynonymList::DBSynonymList(QObject* parent)
    : DBListBase(parent)
    , m_wordId(-1)
{
    setPrototype(new DBSynonym(this));
    setFilterMode(ModeAll);
}

DBSynonymList::DBSynonymList(int wordId, QObject* parent)
    : DBListBase(parent)
    , m_wordId(wordId)
{
    setPrototype(new DBSynonym(this));
    setFilterMode(ModeOwner);
}

DBSynonymList::DBSynonymList(int wordId, const QString& name, QObject* parent)
    : DBListBase(parent)
    , m_wordId(wordId)
    , m_name(name)
{
    setPrototype(new DBSynonym(this));
    setFilterMode(ModeName);
}

QString DBSynonymList::whereText() const
{
    switch (filterMode()) {
    case ModeOwner:
        return QStringLiteral("%1 = %2").arg(DBSql::colWordID(), QString::number(m_wordId));
    case ModeName:
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colWordID(), QString::number(m_wordId), DBSql::colName(), namePlaceholder());
    default:
        return DBListBase::whereText();
    }
}

void DBSynonymList::bindWhere(QSqlQuery& query) const
{
    if (filterMode() == ModeName)
        query.bindValue(namePlaceholder(), m_name);
}

DBSynonym* DBSynonymList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBSynonym*>(DBListBase::at(index));
}

DBSynonym* DBSynonymList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBSynonym*>(record);
    }
    return nullptr;
}

DBSynonym* DBSynonymList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* synonym = new DBSynonym(this);
    if (filterMode() != ModeAll)
        synonym->setWordId(m_wordId);
    if (filterMode() == ModeName)
        synonym->setName(m_name);
    append(synonym);
    return synonym;
}

} // namespace Vexal
