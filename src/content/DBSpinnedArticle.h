#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "SpunArticle": a spun copy of an article. Title, Intro and Body
// hold spintax; the Final texts, when not empty, are what the submitters use.
class DBSpinnedArticle
    : public DBKind<DBSpinnedArticle, &DBSql::tableSpunArticle, &LocaleSql::tableSpunArticles, DBProjectBase>
{
    Q_OBJECT
public:
    static constexpr int textLimit = 1024;
    static constexpr int bodyLimit = 16384;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    int articleId() const { return m_articleId; }
    QString title() const { return m_title; }
    QString titleFinal() const { return m_titleFinal; }
    int titleMode() const { return m_titleMode; }
    QString intro() const { return m_intro; }
    QString introFinal() const { return m_introFinal; }
    int introMode() const { return m_introMode; }
    QString body() const { return m_body; }
    QString bodyFinal() const { return m_bodyFinal; }
    int bodyMode() const { return m_bodyMode; }
    bool isSubmitted() const { return m_submitted; }

    void setArticleId(int articleId);
    void setTitle(const QString& title);
    void setTitleFinal(const QString& titleFinal);
    void setTitleMode(int titleMode);
    void setIntro(const QString& intro);
    void setIntroFinal(const QString& introFinal);
    void setIntroMode(int introMode);
    void setBody(const QString& body);
    void setBodyFinal(const QString& bodyFinal);
    void setBodyMode(int bodyMode);
    void setSubmitted(bool submitted);

private:
    int m_articleId = -1;
    QString m_title;
    QString m_titleFinal;
    int m_titleMode = 2;
    QString m_intro;
    QString m_introFinal;
    int m_introMode = 2;
    QString m_body;
    QString m_bodyFinal;
    int m_bodyMode = 2;
    bool m_submitted = false;
};

} // namespace Vexal
