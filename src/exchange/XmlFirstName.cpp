#include "exchange/XmlFirstName.h"

#include "sites/DBFirstName.h"
#include "core/DBSql.h"

namespace Vexal {

XmlFirstName::XmlFirstName(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBFirstName(this))
{
    setRecord(m_item);
}

void XmlFirstName::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colLanguageID(), m_item->languageId());
    appendBool(item, DBSql::colGender(), m_item->gender());
}

bool XmlFirstName::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    const int languageID = readInt(item, DBSql::colLanguageID(), &ok);
    if (ok)
        m_item->setLanguageId(languageID);
    const bool gender = readBool(item, DBSql::colGender(), &ok);
    if (ok)
        m_item->setGender(gender);
    return true;
}

} // namespace Vexal
