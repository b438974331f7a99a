#include "exchange/XmlWord.h"

#include "content/DBWord.h"
#include "core/DBSql.h"

namespace Vexal {

XmlWord::XmlWord(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBWord(this))
{
    setRecord(m_item);
}

void XmlWord::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colLanguageID(), m_item->languageId());
}

bool XmlWord::read(const XmlItem& item)
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
