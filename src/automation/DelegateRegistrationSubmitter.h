#pragma once

#include "automation/DelegateSubmitter.h"

namespace Vexal {

class DBMasterAccount;
class DBRegistrationTemplate;

// Fills a registration form with a master account's identity.
class DelegateRegistrationSubmitter final : public DelegateSubmitter
{
    Q_OBJECT
public:
    DelegateRegistrationSubmitter(QWebView* view, QObject* parent);

    // A websiteId below 0 goes straight to smart recognition.
    void submit(int masterAccountId, int websiteId);
    void fillByTemplate(const DBMasterAccount* master, const DBRegistrationTemplate* templ);
    void fillSmart(const DBMasterAccount* master);

    // "XINDEX:<n>": chooses the SELECT option at index n.
    static QString questionValue(int question);
};

} // namespace Vexal
