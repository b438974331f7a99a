#include "exchange/XmlDirectory.h"

#include "data/DBDirectory.h"
#include "core/DBSql.h"

namespace Vexal {

XmlDirectory::XmlDirectory(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBDirectory(this))
{
    setRecord(m_item);
}

void XmlDirectory::write(XmlItem& item)
{
    XmlProjectBase::write(item);
    appendInt(item, DBSql::colCategoryID(), m_item->categoryId());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colTags(), m_item->tags());
    appendText(item, DBSql::colURL(), m_item->url());
    appendText(item, DBSql::colDescription(), m_item->description());
    appendText(item, DBSql::colUserName(), m_item->userName());
    appendText(item, DBSql::colUserEmail(), m_item->userEmail());
}

bool XmlDirectory::read(const XmlItem& item)
{
    if (!XmlProjectBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int categoryID = readInt(item, DBSql::colCategoryID(), &ok);
    if (ok)
        m_item->setCategoryId(categoryID);
    if (readText(item, DBSql::colTitle(), &text))
        m_item->setTitle(text);
    if (readText(item, DBSql::colTags(), &text))
        m_item->setTags(text);
    if (readText(item, DBSql::colURL(), &text))
        m_item->setUrl(text);
    if (readText(item, DBSql::colDescription(), &text))
        m_item->setDescription(text);
    if (readText(item, DBSql::colUserName(), &text))
        m_item->setUserName(text);
    if (readText(item, DBSql::colUserEmail(), &text))
        m_item->setUserEmail(text);
    return true;
}

} // namespace Vexal
