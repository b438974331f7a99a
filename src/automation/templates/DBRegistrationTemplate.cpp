#include "automation/templates/DBRegistrationTemplate.h"

#include "core/DBSql.h"
#include "data/DBField.h"

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
    : DBKind(registrationFields, parent)
{
}

} // namespace Vexal
