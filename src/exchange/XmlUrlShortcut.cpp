#include "exchange/XmlUrlShortcut.h"

#include "data/DBUrlShortcut.h"
#include "core/DBSql.h"

namespace Vexal {

XmlUrlShortcut::XmlUrlShortcut(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBUrlShortcut(this))
{
    setRecord(m_item);
}

XmlUrlShortcut::XmlUrlShortcut(DBUrlShortcut* record, QObject* parent)
    : XmlBase(parent)
    , m_item(record)
{
    m_item->setParent(this);
    setRecord(m_item);
}

void XmlUrlShortcut::write(XmlItem& item)
{
    XmlBase::write(item);
    appendText(item, DBSql::colShortcut(), m_item->shortcut());
    appendText(item, DBSql::colURL(), m_item->url());
}

bool XmlUrlShortcut::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    if (readText(item, DBSql::colShortcut(), &text))
        m_item->setShortcut(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    return true;
}

} // namespace Vexal
