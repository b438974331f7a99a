#include "exchange/XmlSpinnedArticle.h"

#include "content/DBSpinnedArticle.h"
#include "core/DBSql.h"

namespace Vexal {

XmlSpinnedArticle::XmlSpinnedArticle(QObject* parent)
    : XmlProjectBase(parent)
    , m_item(new DBSpinnedArticle(this))
{
    setRecord(m_item);
}

void XmlSpinnedArticle::write(XmlItem& item)
{
    XmlProjectBase::write(item);
    appendInt(item, DBSql::colArticleID(), m_item->articleId());
    appendText(item, DBSql::colTitle(), m_item->title());
    appendText(item, DBSql::colTitleFinal(), m_item->titleFinal());
    appendInt(item, DBSql::colTitleMode(), m_item->titleMode());
    appendText(item, DBSql::colIntro(), m_item->intro());
    appendText(item, DBSql::colIntroFinal(), m_item->introFinal());
    appendInt(item, DBSql::colIntroMode(), m_item->introMode());
    appendText(item, DBSql::colBody(), m_item->body());
    appendText(item, DBSql::colBodyFinal(), m_item->bodyFinal());
    appendInt(item, DBSql::colBodyMode(), m_item->bodyMode());
    appendBool(item, DBSql::colSubmitted(), m_item->isSubmitted());
}

bool XmlSpinnedArticle::read(const XmlItem& item)
{
    if (!XmlProjectBase::read(item))
        return false;
    QString text;
    bool ok = false;
    const int articleID = readInt(item, DBSql::colArticleID(), &ok);
    if (ok)
        m_item->setArticleId(articleID);
    if (readText(item, DBSql::colTitle(), &text))
        m_item->setTitle(text);
    if (readText(item, DBSql::colTitleFinal(), &text))
        m_item->setTitleFinal(text);
    const int titleMode = readInt(item, DBSql::colTitleMode(), &ok);
    if (ok)
        m_item->setTitleMode(titleMode);
    if (readText(item, DBSql::colIntro(), &text))
        m_item->setIntro(text);
    if (readText(item, DBSql::colIntroFinal(), &text))
        m_item->setIntroFinal(text);
    const int introMode = readInt(item, DBSql::colIntroMode(), &ok);
    if (ok)
        m_item->setIntroMode(introMode);
    if (readText(item, DBSql::colBody(), &text))
        m_item->setBody(text);
    if (readText(item, DBSql::colBodyFinal(), &text))
        m_item->setBodyFinal(text);
    const int bodyMode = readInt(item, DBSql::colBodyMode(), &ok);
    if (ok)
        m_item->setBodyMode(bodyMode);
    const bool submitted = readBool(item, DBSql::colSubmitted(), &ok);
    if (ok)
        m_item->setSubmitted(submitted);
    return true;
}

} // namespace Vexal
