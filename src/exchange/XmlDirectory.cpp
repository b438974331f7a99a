#include "exchange/XmlDirectory.h"

#include "data/DBDirectory.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlDirectory::XmlDirectory(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBDirectory(this))
{
    setRecord(m_item);
}

void XmlDirectory::write(QDomDocument& document, QDomElement& item)
{
    XmlProjectBase::write(document, item);
    appendInt(document, item, DBSql::colCategoryID(), m_item->categoryId());
    appendText(document, item, DBSql::colTitle(), m_item->title());
    appendText(document, item, DBSql::colTags(), m_item->tags());
    appendText(document, item, DBSql::colURL(), m_item->url());
    appendText(document, item, DBSql::colDescription(), m_item->description());
    appendText(document, item, DBSql::colUserName(), m_item->userName());
    appendText(document, item, DBSql::colUserEmail(), m_item->userEmail());
}

bool XmlDirectory::read(const QDomElement& item)
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
