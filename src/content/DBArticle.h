#pragma once

#include "content/DBArticleText.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "Article": an article of a project written in spintax, with
// its category, tags and author.
class DBArticle : public DBKind<DBArticle, &DBSql::tableArticle, &LocaleSql::tableArticles, DBArticleText>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    const DBFields& fields() const override;

    qint64 categoryId() const { return m_categoryId; }
    QString tags() const { return m_tags; }
    QString author() const { return m_author; }
    bool isSpun() const { return m_spun; }

    void setCategoryId(qint64 categoryId) { change(m_categoryId, categoryId); }
    void setTags(const QString& tags) { change(m_tags, tags, textLimit); }
    void setAuthor(const QString& author) { change(m_author, author, textLimit); }
    void setSpun(bool spun) { change(m_spun, spun); }

private:
    qint64 m_categoryId = -1;
    QString m_tags;
    QString m_author;
    bool m_spun = false;
};

} // namespace Vexal
