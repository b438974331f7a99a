#include "exchange/XmlSynonym.h"

#include "content/DBSynonym.h"
#include "core/DBSql.h"

namespace Vexal {

XmlSynonym::XmlSynonym(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBSynonym(this))
{
    setRecord(m_item);
}

void XmlSynonym::write(XmlItem& item)
{
    XmlBase::write(item);
    appendInt(item, DBSql::colWordID(), m_item->wordId());
}

bool XmlSynonym::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    bool ok = false;
    const int wordID = readInt(item, DBSql::colWordID(), &ok);
    if (ok)
        m_item->setWordId(wordID);
    return true;
}

} // namespace Vexal
