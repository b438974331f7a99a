#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "ArticleTemplate": the selector of every field of one website's
// article submission form.
class DBArticleTemplate : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;

    explicit DBArticleTemplate(QObject* parent = nullptr);

    void bindValues(QSqlQuery& query) override;
    void readValues(const QSqlQuery& query) override;
    void assign(const DBBase* source) override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
    QStringList columns() const override;

    int websiteId() const { return m_websiteId; }
    QString category() const { return m_category; }
    QString title() const { return m_title; }
    QString tags() const { return m_tags; }
    QString author() const { return m_author; }
    QString intro() const { return m_intro; }
    QString body() const { return m_body; }

    void setWebsiteId(int websiteId);
    void setCategory(const QString& category);
    void setTitle(const QString& title);
    void setTags(const QString& tags);
    void setAuthor(const QString& author);
    void setIntro(const QString& intro);
    void setBody(const QString& body);

private:
    int m_websiteId = -1;
    QString m_category;
    QString m_title;
    QString m_tags;
    QString m_author;
    QString m_intro;
    QString m_body;
};

} // namespace Vexal
