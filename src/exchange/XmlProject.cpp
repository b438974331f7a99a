#include "exchange/XmlProject.h"

#include "data/DBProject.h"
#include "core/DBSql.h"

namespace Vexal {

XmlProject::XmlProject(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBProject(this))
{
    setRecord(m_item);
}

void XmlProject::write(XmlItem& item)
{
    XmlBase::write(item);
    appendText(item, DBSql::colURL(), m_item->url());
    appendBool(item, DBSql::colActive(), m_item->isActive());
}

bool XmlProject::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    // "Active" is written but never read: an inserted row is never active, an overwritten one keeps its flag.
    return true;
}

} // namespace Vexal
