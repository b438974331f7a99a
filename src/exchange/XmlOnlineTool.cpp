#include "exchange/XmlOnlineTool.h"

#include "sites/DBOnlineTool.h"
#include "core/DBSql.h"

namespace Vexal {

XmlOnlineTool::XmlOnlineTool(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBOnlineTool(this))
{
    setRecord(m_item);
}

void XmlOnlineTool::write(XmlItem& item)
{
    XmlBase::write(item);
    appendText(item, DBSql::colURL(), m_item->url());
    appendInt(item, DBSql::colLine(), m_item->line());
}

bool XmlOnlineTool::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    QString text;
    bool ok = false;
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    const int line = readInt(item, DBSql::colLine(), &ok);
    if (ok)
        m_item->setLine(line);
    return true;
}

} // namespace Vexal
