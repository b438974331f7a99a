#pragma once

#include "automation/BaseSubmitter.h"

namespace Vexal {

class DBMasterAccount;
class WidMasterAccountComboBox;

// Registers on a website with one of the master accounts. The website type
// is free. Submit first stores an account for the chosen website in the
// current project (unless one exists for that website already), then fills
// the registration form.
class ExtRegistrationSubmitter final : public BaseSubmitter
{
    Q_OBJECT
public:
    explicit ExtRegistrationSubmitter(QWidget* parent = nullptr);

    QString caption() const override;

    WidMasterAccountComboBox* masterAccountBox() const { return m_masterAccountBox; }

    // The seventeen fields of a master account, captions and values in the
    // same order, password in clear.
    static QStringList fieldCaptions();
    static QStringList fieldValues(const DBMasterAccount& account);

public slots:
    void slotSubmit() override;
    void slotSaveAccount();

protected:
    void createChoosers() override;
    void fillFieldList() override;
    void loadItems() override;
    void fillValues() override;

private:
    WidMasterAccountComboBox* m_masterAccountBox = nullptr;
};

} // namespace Vexal
