#pragma once

#include "automation/submit/BaseRecordSubmitter.h"
#include "automation/submit/DelegateRegistrationSubmitter.h"
#include "data/DBMasterAccount.h"
#include "sites/WidMasterAccountComboBox.h"

namespace Vexal {

// Registers on a website with one of the master accounts. The website type
// is free. Submit fills the registration form, then stores an account for
// the chosen website in the current project (unless one exists for that
// website already) that holds what the page took, as the fill's report
// tells: the login (the e-mail where the site signs in by it) and the
// password each only where its box took it whole. A page that took neither
// gets no account; an account without one of them, or one that could not be
// stored (its cause named, kept on the bar until closed), is told first on
// the fill's notice, with what to do.
class ExtRegistrationSubmitter final
    : public BaseRecordSubmitter<WidMasterAccountComboBox, DBMasterAccount, DelegateRegistrationSubmitter>
{
    Q_OBJECT
public:
    explicit ExtRegistrationSubmitter(QWidget* parent = nullptr);

    WidMasterAccountComboBox* masterAccountBox() const { return recordBox(); }

public slots:
    // Stores the account with the master account's login and password.
    void slotSaveAccount();

protected:
    Told afterFill(const SmartFillReport& report) override;

private:
    // Stores the account for the chosen website, with the login and the
    // password where the fill's page took them (all without a fill); what
    // the user is told of it.
    Told saveAccount(const SmartFillReport* fill);
    // A failure of the store, logged, told with its cause until closed.
    static Told failed(const QString& website, const QString& error, const QString& cause);
};

} // namespace Vexal
