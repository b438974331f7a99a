#pragma once

#include "widgets/DlgBase.h"

class QCheckBox;

namespace Vexal {

class WidAccountComboBox;
class WidMasterAccountComboBox;
class WidWebsiteComboBox;
class WidWebsiteTypeComboBox;

// Chooses what to log in with: a website (by type), an account of the current
// project on it, or a master account, and whether to submit the form. The
// argument, a DBWebsite or none, is preselected.
class DlgLogin final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // Each -1 when its chooser is empty.
    qint64 websiteId() const;
    qint64 accountId() const;
    qint64 masterAccountId() const;
    bool useMasterAccount() const;
    bool isSubmit() const;

protected:
    void createWidgets() override;
    void connectWidgets() override;

    WidWebsiteTypeComboBox* m_typeCombo = nullptr;
    WidWebsiteComboBox* m_websiteCombo = nullptr;
    WidAccountComboBox* m_accountCombo = nullptr;
    QCheckBox* m_masterAccountBox = nullptr;
    WidMasterAccountComboBox* m_masterAccountCombo = nullptr;
    QCheckBox* m_submitBox = nullptr;

private:
    void handleTypeChanged();
    void handleWebsiteChanged();
    void reloadAccounts();
};

} // namespace Vexal
