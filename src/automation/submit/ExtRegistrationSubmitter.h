#pragma once

#include "automation/submit/BaseRecordSubmitter.h"
#include "automation/submit/DelegateRegistrationSubmitter.h"
#include "data/DBMasterAccount.h"
#include "sites/WidMasterAccountComboBox.h"

namespace Vexal {

// Registers on a website with one of the master accounts. The website type
// is free. Submit first stores an account for the chosen website in the
// current project (unless one exists for that website already), then fills
// the registration form.
class ExtRegistrationSubmitter final
    : public BaseRecordSubmitter<WidMasterAccountComboBox, DBMasterAccount, DelegateRegistrationSubmitter>
{
    Q_OBJECT
public:
    explicit ExtRegistrationSubmitter(QWidget* parent = nullptr);

    WidMasterAccountComboBox* masterAccountBox() const { return recordBox(); }

public slots:
    void slotSaveAccount();

protected:
    void beforeSubmit() override;
};

} // namespace Vexal
