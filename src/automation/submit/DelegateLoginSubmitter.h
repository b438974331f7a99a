#pragma once

#include "automation/submit/DelegateSubmitter.h"

namespace Vexal {

class DBLoginTemplate;

// Fills a login form with a login name and a password in clear, and presses
// its submit button (or picture button) when asked. The only fill that
// clicks; a login asked to be sent that has nothing to press is filled, and
// the user is told it was not sent. Nothing is pressed while the login or a
// password box stays empty (no box found for it, a value that does not fit):
// the user is told which.
class DelegateLoginSubmitter final : public DelegateSubmitter
{
    Q_OBJECT
public:
    DelegateLoginSubmitter(const PageDomHandle& page, QObject* parent);

    // The website's login templates are always queried; -1 finds none and
    // leads to smart recognition.
    void submit(const QString& login, const QString& password, bool clickSubmit, qint64 websiteId);
    // The same operation under the name the browser's login commands use.
    void login(const QString& login, const QString& password, bool clickSubmit, qint64 websiteId)
    {
        submit(login, password, clickSubmit, websiteId);
    }

    void fillByTemplate(const QString& login, const QString& password, bool clickSubmit,
                        const DBLoginTemplate* templ);
    void fillSmart(const QString& login, const QString& password, bool clickSubmit);

private:
    // Tells what the fill left undone after the notice (a form not sent).
    void tellSent(const QString& notice);
};

} // namespace Vexal
