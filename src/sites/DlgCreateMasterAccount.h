#pragma once

#include "widgets/DlgBase.h"

#include <QPointer>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace Vexal {

class BaseComboBox;
class DBMasterAccount;

// Creates a master account with a random identity of the chosen gender,
// language and country, once the user agrees with the terms. The argument is
// the DBMasterAccount to fill; without one the dialog makes its own. On
// accept the record is filled and saved; a failed read or save at OK is
// named, with the cause a user can act on, in a message box in front of the
// dialog, which stays open with the user's choices. A chooser that could not
// be read is read again at OK, never taken for an empty table.
class DlgCreateMasterAccount final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    DBMasterAccount* masterAccount() const;
    // 1 male, 0 female.
    int gender() const;
    // -1 when the table offers none.
    qint64 countryId() const;
    qint64 languageId() const;
    bool isAgreed() const;

public slots:
    void slotAccept() override;
    // Opens the terms page in a new tab.
    void slotTerms();

protected:
    void createWidgets() override;
    void connectWidgets() override;
    bool validate() override;

    QComboBox* m_genderCombo = nullptr;
    BaseComboBox* m_countryCombo = nullptr;
    BaseComboBox* m_languageCombo = nullptr;
    QCheckBox* m_agreeBox = nullptr;
    QPushButton* m_termsButton = nullptr;

private:
    // False, after telling the user which table to import, when an identity
    // table gives nothing for the choice: the account would be saved without
    // names, country or city.
    bool identityTablesFilled();
    // False when a chooser's last read failed: it is read again, which
    // shows the user the choice to make, or names the cause in a box.
    bool choosersRead();
    // Fills and saves the account; false once a failure is reported.
    bool createAccount();

    QPointer<DBMasterAccount> m_account;
};

} // namespace Vexal
