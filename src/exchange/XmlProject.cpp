#include "exchange/XmlProject.h"

#include "data/DBProject.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlProject::XmlProject(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBProject(this))
{
    setRecord(m_item);
}

void XmlProject::write(QDomDocument& document, QDomElement& item)
{
    XmlBase::write(document, item);
    appendText(document, item, DBSql::colURL(), m_item->url());
    appendBool(document, item, DBSql::colActive(), m_item->isActive());
}

bool XmlProject::read(const QDomElement& item)
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
