#pragma once

#include "views/OptionsTabBase.h"

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace Vexal {

// History keeping and the location bar's suggestions.
class OptionsTabPrivacy final : public OptionsTabBase
{
    Q_OBJECT
public:
    using OptionsTabBase::OptionsTabBase;

    QCheckBox* saveHistoryBox() const { return m_saveHistory; }
    QCheckBox* saveDownloadHistoryBox() const { return m_saveDownloadHistory; }
    QSpinBox* historyPeriodBox() const { return m_historyPeriod; }
    QComboBox* locationBarBox() const { return m_locationBar; }

protected:
    void createWidgets() override;

private:
    QCheckBox* m_saveHistory = nullptr;
    QCheckBox* m_saveDownloadHistory = nullptr;
    QSpinBox* m_historyPeriod = nullptr;
    QComboBox* m_locationBar = nullptr;
};

} // namespace Vexal
