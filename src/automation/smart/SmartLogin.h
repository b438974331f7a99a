#pragma once

#include "automation/smart/SmartMaster.h"

namespace Vexal {

class SmartFieldLookup;

// Recognises a login form by its single password field; kinds follow the
// HTML types.
class SmartLogin final : public SmartMaster
{
    Q_OBJECT
public:
    explicit SmartLogin(QObject* parent);

    // The page of a page access (a web view's, as the shell hands it out),
    // or of any access held elsewhere.
    void analyse(const PageDomHandle& page);
    void analyse(PageDom& page);

    bool selectForm(SmartFormLookup* forms, const QList<int>& scoreTypes) override;
    void fillDemo(QList<SmartElement*>& list) override;

private:
    Pipeline pipeline();
    void addCaptchaWidget(QList<SmartElement*>& list, SmartFieldLookup& fields);
};

} // namespace Vexal
