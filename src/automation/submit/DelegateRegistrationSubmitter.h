#pragma once

#include "automation/templates/DBRegistrationTemplate.h"
#include "automation/submit/DelegateSubmitter.h"
#include "data/DBMasterAccount.h"

namespace Vexal {

// Fills a registration form with a master account's identity. Nothing is
// sent: a fill that left nothing undone tells the user that the page's own
// button sends the form.
class DelegateRegistrationSubmitter final
    : public DelegateRecordSubmitter<DBMasterAccount, DBRegistrationTemplate, DBTemplateList::KindRegistration,
                                     &DBTemplateList::registrationTemplateAt>
{
    Q_OBJECT
public:
    using DelegateRecordSubmitter::DelegateRecordSubmitter;

    void fillByTemplate(const DBMasterAccount* master, const DBRegistrationTemplate* templ) override;
    void fillSmart(const DBMasterAccount* master) override;

protected:
    QString filledNotice() const override;
};

} // namespace Vexal
