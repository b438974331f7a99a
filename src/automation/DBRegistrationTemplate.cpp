#include "automation/DBRegistrationTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

namespace {

const DBFields registrationFields = DBRegistrationTemplate::templateFields({
    &DBSql::colFirstName,
    &DBSql::colMiddleName,
    &DBSql::colLastName,
    &DBSql::colFullName,
    &DBSql::colScreenName,
    &DBSql::colGender,
    &DBSql::colLogin,
    &DBSql::colPassword,
    &DBSql::colRPassword,
    &DBSql::colEmail,
    &DBSql::colREmail,
    &DBSql::colURL,
    &DBSql::colQuestion,
    &DBSql::colAnswer,
    &DBSql::colCountry,
    &DBSql::colCity,
    &DBSql::colProvince,
    &DBSql::colAddress,
    &DBSql::colDetails,
    &DBSql::colZipCode,
    &DBSql::colPhone,
    &DBSql::colFax,
    &DBSql::colAcceptTerms,
    &DBSql::colRejectEmail,
});

} // namespace

DBRegistrationTemplate::DBRegistrationTemplate(QObject* parent)
    : DBTemplateBase(registrationFields, parent)
{
}

DBBase* DBRegistrationTemplate::create(QObject* parent) const
{
    return new DBRegistrationTemplate(parent);
}

QString DBRegistrationTemplate::tableName() const
{
    return DBSql::tableRegistrationTemplate();
}

QString DBRegistrationTemplate::displayName() const
{
    return LocaleSql::tableRegistrationTemplates();
}

} // namespace Vexal
