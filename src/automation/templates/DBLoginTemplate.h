#pragma once

#include "automation/templates/DBTemplateBase.h"
#include "data/DBKind.h"

namespace Vexal {

// One row of "LoginTemplate": where, on one website's login form, the login
// name, the password and the submit button are (each a selector text).
class DBLoginTemplate final
    : public DBKind<DBLoginTemplate, &DBSql::tableLoginTemplate, &LocaleSql::tableLoginTemplates, DBTemplateBase>
{
    Q_OBJECT
public:
    explicit DBLoginTemplate(QObject* parent = nullptr);

    QString login() const { return selector(FieldLogin); }
    QString password() const { return selector(FieldPassword); }
    QString submit() const { return selector(FieldSubmit); }

    void setLogin(const QString& login) { setSelector(FieldLogin, login); }
    void setPassword(const QString& password) { setSelector(FieldPassword, password); }
    void setSubmit(const QString& submit) { setSelector(FieldSubmit, submit); }

private:
    enum Field {
        FieldLogin,
        FieldPassword,
        FieldSubmit,
    };
};

} // namespace Vexal
