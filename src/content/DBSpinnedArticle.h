#pragma once

#include "content/DBArticleText.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "SpunArticle": a spun copy of an article. Title, Intro and Body
// hold spintax; the Final texts, when not empty, are what the submitters use.
class DBSpinnedArticle
    : public DBKind<DBSpinnedArticle, &DBSql::tableSpunArticle, &LocaleSql::tableSpunArticles, DBArticleText>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    qint64 articleId() const { return m_articleId; }
    QString titleFinal() const { return m_titleFinal; }
    QString introFinal() const { return m_introFinal; }
    QString bodyFinal() const { return m_bodyFinal; }
    bool isSubmitted() const { return m_submitted; }

    void setArticleId(qint64 articleId) { change(m_articleId, articleId); }
    void setTitleFinal(const QString& titleFinal) { change(m_titleFinal, titleFinal, textLimit); }
    void setIntroFinal(const QString& introFinal) { change(m_introFinal, introFinal, textLimit); }
    void setBodyFinal(const QString& bodyFinal) { change(m_bodyFinal, bodyFinal, bodyLimit); }
    void setSubmitted(bool submitted) { change(m_submitted, submitted); }

private:
    qint64 m_articleId = -1;
    QString m_titleFinal;
    QString m_introFinal;
    QString m_bodyFinal;
    bool m_submitted = false;
};

} // namespace Vexal
