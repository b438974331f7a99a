#include "sites/DBLastNameList.h"

#include "core/DBSql.h"
#include "sites/DBLastName.h"

namespace Vexal {

DBLastNameList::DBLastNameList(QObject* parent)
    : DBListBase(parent)
    , m_languageId(-1)
{
    setPrototype(new DBLastName(this));
    setFilterMode(ModeAll);
}

DBLastNameList::DBLastNameList(int languageId, QObject* parent)
    : DBListBase(parent)
    , m_languageId(languageId)
{
    setPrototype(new DBLastName(this));
    setFilterMode(ModeOwner);
}

QString DBLastNameList::whereText() const
{
    if (filterMode() == ModeOwner)
        return QStringLiteral("%1 = %2").arg(DBSql::colLanguageID(), QString::number(m_languageId));
    return DBListBase::whereText();
}

DBLastName* DBLastNameList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBLastName*>(DBListBase::at(index));
}

DBLastName* DBLastNameList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBLastName*>(record);
    }
    return nullptr;
}

DBLastName* DBLastNameList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* lastName = new DBLastName(this);
    if (filterMode() == ModeOwner)
        lastName->setLanguageId(m_languageId);
    append(lastName);
    return lastName;
}

} // namespace Vexal
