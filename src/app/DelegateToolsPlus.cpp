#include "app/DelegateToolsPlus.h"

#include "app/DelegateSteps.h"
#include "automation/submit/ExtFormFiller.h"
#include "core/Convert.h"
#include "sites/DBRank.h"
#include "sites/DBRankList.h"
#include "sites/DlgGuid.h"
#include "sites/DlgPasswordGenerator.h"
#include "sites/DlgRank.h"
#include "sites/DlgUrlInfo.h"
#include "sites/RankAlexa.h"
#include "sites/RankGoogle.h"
#include "sites/WidRankJournal.h"
#include "shell/BaseTab.h"
#include "shell/WidWebTab.h"
#include "texts/LocaleDelegate.h"
#include "views/UtilDialog.h"

namespace Vexal {

DelegateToolsPlus::DelegateToolsPlus(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

void DelegateToolsPlus::openPasswordGenerator()
{
    DlgPasswordGenerator dialog;
    dialog.build(nullptr);
    UtilDialog::exec(&dialog);
}

void DelegateToolsPlus::openGuidGenerator()
{
    DlgGuid dialog;
    dialog.build(nullptr);
    UtilDialog::exec(&dialog);
}

void DelegateToolsPlus::openRankJournal()
{
    openUniqueTab<WidRankJournal>();
}

void DelegateToolsPlus::openUrlInfo()
{
    WidWebTab* webTab = currentWebTab();
    if (!webTab)
        return;
    DlgUrlInfo dialog;
    dialog.build(nullptr);
    dialog.setUrl(webTab->url());
    UtilDialog::exec(&dialog);
}

void DelegateToolsPlus::openFormFiller()
{
    openPanel<ExtFormFiller>(*this);
}

void DelegateToolsPlus::checkPageRank()
{
    WidWebTab* webTab = currentWebTab();
    if (!webTab)
        return;
    const QUrl address = webTab->url();
    if (address.isEmpty())
        return;

    auto* google = new RankGoogle(address, this);
    auto* alexa = new RankAlexa(address, this);
    DlgRank dialog(google, alexa);
    dialog.build(nullptr);
    if (UtilDialog::exec(&dialog) != QDialog::Accepted)
        return;
    storeRank(address.host(), QDate::currentDate(), dialog.googleText(), dialog.alexaText());
}

bool DelegateToolsPlus::storeRank(const QString& host, const QDate& date, const QString& googleText,
                                  const QString& alexaText)
{
    DBRankList list(host, date);
    if (!list.load()) {
        reportListError(&list);
        return false;
    }
    DBRank* rank = list.firstOrCreate();
    if (!rank) {
        reportInvalidObject(QStringLiteral("rank"));
        return false;
    }
    rank->setName(LocaleDelegate::rank());
    rank->setHost(host);
    rank->setCreateDate(date);
    if (Convert::isInt(googleText))
        rank->setGoogle(Convert::toInt(googleText));
    if (Convert::isInt(alexaText))
        rank->setAlexa(Convert::toInt(alexaText));
    if (!list.saveAll()) {
        reportListError(&list);
        return false;
    }
    return true;
}

} // namespace Vexal
