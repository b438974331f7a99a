#include "exchange/XmlLastName.h"

#include "sites/DBLastName.h"
#include "core/DBSql.h"

namespace Vexal {

XmlLastName::XmlLastName(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBLastName(this))
{
    setRecord(m_item);
}

void XmlLastName::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colLanguageID(), m_item->languageId());
}

bool XmlLastName::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    const int languageID = readInt(item, DBSql::colLanguageID(), &ok);
    if (ok)
        m_item->setLanguageId(languageID);
    return true;
}

} // namespace Vexal
