#pragma once

#include "automation/SmartMaster.h"

namespace Vexal {

// Recognises the fields of a directory submission form.
class SmartDirectory final : public SmartMaster
{
    Q_OBJECT
public:
    explicit SmartDirectory(QObject* parent);

    void analyse(QWebView* view);
};

} // namespace Vexal
