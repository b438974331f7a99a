#include "automation/submit/DelegateLoginSubmitter.h"

#include "automation/templates/DBLoginTemplate.h"
#include "automation/templates/DBTemplateList.h"
#include "automation/selector/SelectorList.h"
#include "automation/smart/SmartElement.h"
#include "automation/smart/SmartLogin.h"
#include "automation/smart/SmartUtils.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

DelegateLoginSubmitter::DelegateLoginSubmitter(const PageDomHandle& page, QObject* parent)
    : DelegateSubmitter(page, parent)
{
}

void DelegateLoginSubmitter::submit(const QString& login, const QString& password, bool clickSubmit, qint64 websiteId)
{
    DBTemplateList templates(DBTemplateList::KindLogin, websiteId);
    if (!templates.load()) {
        reportListError(&templates);
        return;
    }
    if (const DBLoginTemplate* templ = templates.count() > 0 ? templates.loginTemplateAt(0) : nullptr)
        fillByTemplate(login, password, clickSubmit, templ);
    else
        fillSmart(login, password, clickSubmit);
}

void DelegateLoginSubmitter::fillByTemplate(const QString& login, const QString& password, bool clickSubmit,
                                            const DBLoginTemplate* templ)
{
    // The Submit selector is parsed even when no click is asked.
    QList<SelectorList*> lists;
    if (!parseFields(templ,
                     {{templ->login(), LocaleAccount::login(), login},
                      {templ->password(), LocaleAccount::password(), password},
                      {templ->submit(), LocaleDelegate::submit(), LocaleDelegate::submit()}},
                     lists))
        return;
    needEveryBox();
    fillSelector(lists.at(0));
    fillSelector(lists.at(1));
    tellSent(clickSubmit && leftUndone() ? LocaleMessage::loginNotSent()
             : clickSubmit && !clickSelector(lists.at(2)) ? LocaleDelegate::formNotSent() : QString());
}

void DelegateLoginSubmitter::fillSmart(const QString& login, const QString& password, bool submitForm)
{
    SmartLogin* smart = recognise<SmartLogin>();
    if (!smart)
        return;

    using E = SmartElement;
    const QList<SmartElement*> elements = smart->elements();
    needEveryBox();
    fillKind(elements, E::KindLogin, LocaleAccount::login(), login);
    fillKind(elements, E::KindPassword, LocaleAccount::password(), password);
    // A captcha needs the user: nothing is clicked. Nor is a form with a
    // box it needs left empty, which the site would refuse.
    QString notice;
    if (submitForm && !SmartElement::containsKind(elements, E::KindCaptcha)) {
        if (leftUndone())
            notice = LocaleMessage::loginNotSent();
        else if (!clickSubmit(elements))
            notice = LocaleDelegate::formNotSent();
    }
    tellSent(notice);
}

void DelegateLoginSubmitter::tellSent(const QString& notice)
{
    tell(notice.isEmpty() ? QStringList() : QStringList{notice});
}

} // namespace Vexal
