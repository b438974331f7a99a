#pragma once

#include "automation/SmartMaster.h"

namespace Vexal {

// Recognises a login form by its single password field; kinds follow the
// HTML types.
class SmartLogin final : public SmartMaster
{
    Q_OBJECT
public:
    explicit SmartLogin(QObject* parent);

    // The page a web view shows, or the page of any page access.
    void analyse(QWebView* view);
    void analyse(PageDom& page);

    bool selectForm(SmartFormLookup* forms, const QList<int>& scoreTypes) override;
    void fillDemo(QList<SmartElement*>& list) override;

private:
    Pipeline pipeline();
    void addCaptchaWidget(QList<SmartElement*>& list);
};

} // namespace Vexal
