#include "exchange/XmlSynonym.h"

#include "content/DBSynonym.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlSynonym::XmlSynonym(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBSynonym(this))
{
    setRecord(m_item);
}

void XmlSynonym::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendInt(document, item, DBSql::colWordID(), m_item->wordId());
}

bool XmlSynonym::read(const QDomElement& item)
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
