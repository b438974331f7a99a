#pragma once

#include "data/DBProjectBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "Article": an article of a project written in spintax, in
// three parts (title, intro, body), each with its spintax dialect code
// (2 Extreme, 4 Advance, 8 Classic).
class DBArticle : public DBKind<DBArticle, &DBSql::tableArticle, &LocaleSql::tableArticles, DBProjectBase>
{
    Q_OBJECT
public:
    static constexpr int textLimit = 1024;
    static constexpr int bodyLimit = 16384;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    int categoryId() const { return m_categoryId; }
    QString title() const { return m_title; }
    int titleMode() const { return m_titleMode; }
    QString tags() const { return m_tags; }
    QString author() const { return m_author; }
    QString intro() const { return m_intro; }
    int introMode() const { return m_introMode; }
    QString body() const { return m_body; }
    int bodyMode() const { return m_bodyMode; }
    bool isSpun() const { return m_spun; }

    void setCategoryId(int categoryId);
    void setTitle(const QString& title);
    void setTitleMode(int titleMode);
    void setTags(const QString& tags);
    void setAuthor(const QString& author);
    void setIntro(const QString& intro);
    void setIntroMode(int introMode);
    void setBody(const QString& body);
    void setBodyMode(int bodyMode);
    void setSpun(bool spun);

private:
    int m_categoryId = -1;
    QString m_title;
    int m_titleMode = 2;
    QString m_tags;
    QString m_author;
    QString m_intro;
    int m_introMode = 2;
    QString m_body;
    int m_bodyMode = 2;
    bool m_spun = false;
};

} // namespace Vexal
