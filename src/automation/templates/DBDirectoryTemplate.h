#pragma once

#include "automation/templates/DBTemplateBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "DirectoryTemplate": the selector of every field of one
// website's directory listing form.
class DBDirectoryTemplate final : public DBKind<DBDirectoryTemplate, &DBSql::tableDirectoryTemplate,
                                                &LocaleSql::tableDirectoryTemplates, DBTemplateBase>
{
    Q_OBJECT
public:
    explicit DBDirectoryTemplate(QObject* parent = nullptr);

    QString category() const { return selector(FieldCategory); }
    QString title() const { return selector(FieldTitle); }
    QString tags() const { return selector(FieldTags); }
    QString url() const { return selector(FieldUrl); }
    QString description() const { return selector(FieldDescription); }
    QString userName() const { return selector(FieldUserName); }
    QString userEmail() const { return selector(FieldUserEmail); }
    QString regularLink() const { return selector(FieldRegularLink); }
    QString acceptTerms() const { return selector(FieldAcceptTerms); }

    void setCategory(const QString& category) { setSelector(FieldCategory, category); }
    void setTitle(const QString& title) { setSelector(FieldTitle, title); }
    void setTags(const QString& tags) { setSelector(FieldTags, tags); }
    void setUrl(const QString& url) { setSelector(FieldUrl, url); }
    void setDescription(const QString& description) { setSelector(FieldDescription, description); }
    void setUserName(const QString& userName) { setSelector(FieldUserName, userName); }
    void setUserEmail(const QString& userEmail) { setSelector(FieldUserEmail, userEmail); }
    void setRegularLink(const QString& regularLink) { setSelector(FieldRegularLink, regularLink); }
    void setAcceptTerms(const QString& acceptTerms) { setSelector(FieldAcceptTerms, acceptTerms); }

private:
    enum Field {
        FieldCategory,
        FieldTitle,
        FieldTags,
        FieldUrl,
        FieldDescription,
        FieldUserName,
        FieldUserEmail,
        FieldRegularLink,
        FieldAcceptTerms,
    };
};

} // namespace Vexal
