#include "sites/DBFirstNameList.h"

#include "core/DBSql.h"
#include "sites/DBFirstName.h"

namespace Vexal {

DBFirstNameList::DBFirstNameList(QObject* parent)
    : DBTypedList(parent)
    , m_languageId(-1)
    , m_gender(true)
{
    setPrototype(new DBFirstName(this));
    setFilterMode(ModeAll);
}

DBFirstNameList::DBFirstNameList(int languageId, QObject* parent)
    : DBTypedList(parent)
    , m_languageId(languageId)
    , m_gender(true)
{
    setPrototype(new DBFirstName(this));
    setFilterMode(ModeLanguage);
}

DBFirstNameList::DBFirstNameList(int languageId, bool gender, QObject* parent)
    : DBTypedList(parent)
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
