#include "exchange/XmlFirstName.h"

#include "sites/DBFirstName.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlFirstName::XmlFirstName(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBFirstName(this))
{
    setRecord(m_item);
}

void XmlFirstName::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendInt(document, item, DBSql::colLanguageID(), m_item->languageId());
    appendBool(document, item, DBSql::colGender(), m_item->gender());
}

bool XmlFirstName::read(const QDomElement& item)
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
