#include "sites/DBAddressList.h"

#include "core/DBSql.h"
#include "sites/DBAddress.h"

namespace Vexal {

DBAddressList::DBAddressList(QObject* parent)
    : DBListBase(parent)
    , m_countryId(-1)
{
    setPrototype(new DBAddress(this));
    setFilterMode(ModeAll);
}

DBAddressList::DBAddressList(int countryId, QObject* parent)
    : DBListBase(parent)
    , m_countryId(countryId)
{
    setPrototype(new DBAddress(this));
    setFilterMode(ModeOwner);
}

QString DBAddressList::whereText() const
{
    if (filterMode() == ModeOwner)
        return QStringLiteral("%1 = %2").arg(DBSql::colCountryID(), QString::number(m_countryId));
    return DBListBase::whereText();
}

DBAddress* DBAddressList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBAddress*>(DBListBase::at(index));
}

DBAddress* DBAddressList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBAddress*>(record);
    }
    return nullptr;
}

DBAddress* DBAddressList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* address = new DBAddress(this);
    if (filterMode() == ModeOwner)
        address->setCountryId(m_countryId);
    append(address);
    return address;
}

} // namespace Vexal
