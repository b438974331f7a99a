#include "exchange/XmlArticle.h"

#include "content/DBArticle.h"
#include "data/DBSql.h"

#include <QDomElement>

namespace Vexal {

XmlArticle::XmlArticle(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBArticle(this))
{
    setRecord(m_item);
}

void XmlArticle::write(QDomDocument& document, QDomElement& item)
{
    XmlProjectBase::write(document, item);
    appendInt(document, item, DBSql::colCategoryID(), m_item->categoryId());
    appendText(document, item, DBSql::colTitle(), m_item->title());
    appendInt(document, item, DBSql::colTitleMode(), m_item->titleMode());
    appendText(document, item, DBSql::colTags(), m_item->tags());
    appendText(document, item, DBSql::colAuthor(), m_item->author());
    appendText(document, item, DBSql::colIntro(), m_item->intro());
    appendInt(document, item, DBSql::colIntroMode(), m_item->introMode());
    appendText(document, item, DBSql::colBody(), m_item->body());
    appendInt(document, item, DBSql::colBodyMode(), m_item->bodyMode());
    appendBool(document, item, DBSql::colSpun(), m_item->isSpun());
}

bool XmlArticle::read(const QDomElement& item)
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
