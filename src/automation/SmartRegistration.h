#pragma once

#include "automation/SmartMaster.h"

namespace Vexal {

// Recognises the fields of a registration form.
class SmartRegistration final : public SmartMaster
{
    Q_OBJECT
public:
    explicit SmartRegistration(QObject* parent);

    void analyse(QWebView* view);
};

} // namespace Vexal
