#pragma once

#include "automation/SmartMaster.h"

namespace Vexal {

// Recognises the fields of a social bookmark form; small pages skip the form choice.
class SmartSocialBookmark final : public SmartMaster
{
    Q_OBJECT
public:
    explicit SmartSocialBookmark(QObject* parent);

    void analyse(QWebView* view);
};

} // namespace Vexal
