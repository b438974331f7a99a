#pragma once

#include "automation/templates/DBTemplateBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "ArticleTemplate": the selector of every field of one website's
// article submission form.
class DBArticleTemplate final
    : public DBKind<DBArticleTemplate, &DBSql::tableArticleTemplate, &LocaleSql::tableArticleTemplates, DBTemplateBase>
{
    Q_OBJECT
public:
    explicit DBArticleTemplate(QObject* parent = nullptr);

    QString category() const { return selector(FieldCategory); }
    QString title() const { return selector(FieldTitle); }
    QString tags() const { return selector(FieldTags); }
    QString author() const { return selector(FieldAuthor); }
    QString intro() const { return selector(FieldIntro); }
    QString body() const { return selector(FieldBody); }

    void setCategory(const QString& category) { setSelector(FieldCategory, category); }
    void setTitle(const QString& title) { setSelector(FieldTitle, title); }
    void setTags(const QString& tags) { setSelector(FieldTags, tags); }
    void setAuthor(const QString& author) { setSelector(FieldAuthor, author); }
    void setIntro(const QString& intro) { setSelector(FieldIntro, intro); }
    void setBody(const QString& body) { setSelector(FieldBody, body); }

private:
    enum Field {
        FieldCategory,
        FieldTitle,
        FieldTags,
        FieldAuthor,
        FieldIntro,
        FieldBody,
    };
};

} // namespace Vexal
