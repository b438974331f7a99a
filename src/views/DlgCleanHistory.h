#pragma once

#include "widgets/DlgBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QUrl;

namespace Vexal {

// Asks which visits to delete: a time range (DBQueryManager::Period codes),
// the hours of the Custom range, and optionally one website's host.
class DlgCleanHistory final : public DlgBase
{
    Q_OBJECT
public:
    static constexpr int maxHours = 2160;

    using DlgBase::DlgBase;

    // Shows the address's host (the field stays off until "Single website").
    void setUrl(const QUrl& url);
    // The host when "Single website" is checked, else empty.
    QString host() const;
    int hours() const;
    // The range's period code (0 to 5).
    int period() const;

    QComboBox* periodBox = nullptr;
    QSpinBox* hoursBox = nullptr;
    QCheckBox* hostCheck = nullptr;
    QLineEdit* hostEdit = nullptr;

public slots:
    void handleIndexChanged(int index);
    void handleHostChanged();

protected:
    void createWidgets() override;
    void connectWidgets() override;
};

} // namespace Vexal
