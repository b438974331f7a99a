#include "exchange/XmlArticle.h"

#include "content/DBArticle.h"
#include "core/DBSql.h"

namespace Vexal {

XmlArticle::XmlArticle(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBArticle(this))
{
    setRecord(m_item);
}

void XmlArticle::write(XmlItem& item)
{
    XmlProjectBase::write(item);
    appendInt(item, DBSql::colCategoryID(), m_item->categoryId());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendInt(item, DBSql::colTitleMode(), m_item->titleMode());
    appendText(item, DBSql::colTags(), m_item->tags());
    appendText(item, DBSql::colAuthor(), m_item->author());
    appendText(item, DBSql::colIntro(), m_item->intro());
    appendInt(item, DBSql::colIntroMode(), m_item->introMode());
    appendText(item, DBSql::colBody(), m_item->body());
    appendInt(item, DBSql::colBodyMode(), m_item->bodyMode());
    appendBool(item, DBSql::colSpun(), m_item->isSpun());
}

bool XmlArticle::read(const XmlItem& item)
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
    const int titleMode = readInt(item, DBSql::colTitleMode(), &ok);
    if (ok)
        m_item->setTitleMode(titleMode);
    if (readText(item, DBSql::colTags(), &text))
        m_item->setTags(text);
    if (readText(item, DBSql::colAuthor(), &text))
        m_item->setAuthor(text);
    if (readText(item, DBSql::colIntro(), &text))
        m_item->setIntro(text);
    const int introMode = readInt(item, DBSql::colIntroMode(), &ok);
    if (ok)
        m_item->setIntroMode(introMode);
    if (readText(item, DBSql::colBody(), &text))
        m_item->setBody(text);
    const int bodyMode = readInt(item, DBSql::colBodyMode(), &ok);
    if (ok)
        m_item->setBodyMode(bodyMode);
    const bool spun = readBool(item, DBSql::colSpun(), &ok);
    if (ok)
        m_item->setSpun(spun);
    return true;
}

} // namespace Vexal
