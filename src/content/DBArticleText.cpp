#include "content/DBArticleText.h"

#include "core/Convert.h"

namespace Vexal {

DBArticleText::DBArticleText(QObject* parent)
    : DBProjectBase(parent)
{
}

void DBArticleText::setTitle(const QString& title)
{
    markModified();
    m_title = Convert::leftText(title, textLimit);
}

void DBArticleText::setTitleMode(int titleMode)
{
    markModified();
    m_titleMode = titleMode;
}

void DBArticleText::setIntro(const QString& intro)
{
    markModified();
    m_intro = Convert::leftText(intro, textLimit);
}

void DBArticleText::setIntroMode(int introMode)
{
    markModified();
    m_introMode = introMode;
}

void DBArticleText::setBody(const QString& body)
{
    markModified();
    m_body = Convert::leftText(body, bodyLimit);
}

void DBArticleText::setBodyMode(int bodyMode)
{
    markModified();
    m_bodyMode = bodyMode;
}

} // namespace Vexal
