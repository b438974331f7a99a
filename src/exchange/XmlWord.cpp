#include "exchange/XmlWord.h"

#include "content/DBWord.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlWord::XmlWord(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBWord(this))
{
    setRecord(m_item);
}

void XmlWord::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendInt(document, item, DBSql::colLanguageID(), m_item->languageId());
}

bool XmlWord::read(const QDomElement& item)
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
