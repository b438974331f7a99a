#include "exchange/XmlLanguage.h"

#include "content/DBLanguage.h"
#include "core/DBSql.h"

namespace Vexal {

XmlLanguage::XmlLanguage(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBLanguage(this))
{
    setRecord(m_item);
}

} // namespace Vexal
