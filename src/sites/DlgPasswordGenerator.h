#pragma once

#include "sites/DlgGenerated.h"

namespace Vexal {

// Shows a new strong password.
class DlgPasswordGenerator final : public DlgGenerated
{
    Q_OBJECT
public:
    static constexpr int passwordLength = 12;

    explicit DlgPasswordGenerator(QWidget* parent = nullptr);

    QString password() const { return text(); }
    // At least one lower-case letter, upper-case letter, digit and sign, drawn
    // from the system's random source; length at least 4.
    static QString createPassword(int length = passwordLength);
};

} // namespace Vexal
