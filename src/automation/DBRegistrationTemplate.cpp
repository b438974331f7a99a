#include "automation/DBRegistrationTemplate.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBRegistrationTemplate::DBRegistrationTemplate(QObject* parent)
    : DBTemplateBase({
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
      }, parent)
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
