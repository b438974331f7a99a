#pragma once

#include "sites/DlgGenerated.h"

namespace Vexal {

// Shows a new GUID.
class DlgGuid final : public DlgGenerated
{
    Q_OBJECT
public:
    explicit DlgGuid(QWidget* parent = nullptr);

    QString guid() const { return text(); }
    // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in upper case.
    static QString createGuid();
};

} // namespace Vexal
