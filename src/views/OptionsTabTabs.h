#pragma once

#include "views/OptionsTabBase.h"

class QCheckBox;
class QSpinBox;

namespace Vexal {

// Closing, reloading and focusing tabs, and the open-tab limit.
class OptionsTabTabs final : public OptionsTabBase
{
    Q_OBJECT
public:
    using OptionsTabBase::OptionsTabBase;

    QCheckBox* warnClosingBox() const { return m_warnClosing; }
    QCheckBox* reloadAllBox() const { return m_reloadAll; }
    QCheckBox* focusNewTabBox() const { return m_focusNewTab; }
    QSpinBox* maxTabsBox() const { return m_maxTabs; }

protected:
    void createWidgets() override;

private:
    QCheckBox* m_warnClosing = nullptr;
    QCheckBox* m_reloadAll = nullptr;
    QCheckBox* m_focusNewTab = nullptr;
    QSpinBox* m_maxTabs = nullptr;
};

} // namespace Vexal
