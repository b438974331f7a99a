#include "exchange/XmlBookmark.h"

#include "data/DBBookmark.h"
#include "core/DBSql.h"

namespace Vexal {

XmlBookmark::XmlBookmark(QObject* parent)
    : XmlBase(parent)
    , m_item(new DBBookmark(this))
{
    setRecord(m_item);
}

void XmlBookmark::write(XmlItem& item)
{
    XmlBase::write(item);
    writePage(item, m_item);
    appendBool(item, DBSql::colVisible(), m_item->isVisible());
}

bool XmlBookmark::read(const XmlItem& item)
{
    if (!XmlBase::read(item))
        return false;
    readPage(item, m_item);
    bool ok = false;
    const bool visible = readBool(item, DBSql::colVisible(), &ok);
    if (ok)
        m_item->setVisible(visible);
    return true;
}

} // namespace Vexal
