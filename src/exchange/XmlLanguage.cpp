#include "exchange/XmlLanguage.h"

#include "content/DBLanguage.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlLanguage::XmlLanguage(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBLanguage(this))
{
    setRecord(m_item);
}

} // namespace Vexal
