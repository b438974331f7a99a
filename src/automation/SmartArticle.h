#pragma once

#include "automation/SmartMaster.h"

namespace Vexal {

// Recognises the fields of an article submission form.
class SmartArticle final : public SmartMaster
{
    Q_OBJECT
public:
    explicit SmartArticle(QObject* parent);

    void analyse(QWebView* view);
};

} // namespace Vexal
