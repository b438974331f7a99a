#include "sites/DBFirstNameList.h"

#include "core/DBSql.h"
#include "sites/DBFirstName.h"

namespace Vexal {

DBFirstNameList::DBFirstNameList(QObject* parent)
    : DBListBase(parent)
    , m_languageId(-1)
    , m_gender(true)
{
    setPrototype(new DBFirstName(this));
    setFilterMode(ModeAll);
}

DBFirstNameList::DBFirstNameList(int languageId, QObject* parent)
    : DBListBase(parent)
    , m_languageId(languageId)
    , m_gender(true)
{
    setPrototype(new DBFirstName(this));
    setFilterMode(ModeLanguage);
}

DBFirstNameList::DBFirstNameList(int languageId, bool gender, QObject* parent)
    : DBListBase(parent)
    , m_languageId(languageId)
    , m_gender(gender)
{
    setPrototype(new DBFirstName(this));
    setFilterMode(ModeGender);
}

QString DBFirstNameList::whereText() const
{
    switch (filterMode()) {
    case ModeLanguage:
        return QStringLiteral("%1 = %2").arg(DBSql::colLanguageID(), QString::number(m_languageId));
    case ModeGender:
        return QStringLiteral("%1 = %2 AND %3 = %4")
            .arg(DBSql::colLanguageID(), QString::number(m_languageId), DBSql::colGender(), m_gender ? QStringLiteral("1") : QStringLiteral("0"));
    default:
        return DBListBase::whereText();
    }
}

DBFirstName* DBFirstNameList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBFirstName*>(DBListBase::at(index));
}

DBFirstName* DBFirstNameList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBFirstName*>(record);
    }
    return nullptr;
}

DBFirstName* DBFirstNameList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* firstName = new DBFirstName(this);
    if (filterMode() != ModeAll)
        firstName->setLanguageId(m_languageId);
    if (filterMode() == ModeGender)
        firstName->setGender(m_gender);
    append(firstName);
    return firstName;
}

} // namespace Vexal
