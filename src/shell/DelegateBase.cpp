#include "shell/DelegateBase.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBListBase.h"
#include "shell/BaseTab.h"
#include "shell/WidTabManager.h"
#include "shell/WidWebTab.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleMessage.h"

#include <QWidget>

namespace Vexal {

DelegateBase::DelegateBase(WidTabManager* tabManager, QObject* parent)
    : QObject(parent)
    , m_tabManager(tabManager)
    , m_parentWidget(qobject_cast<QWidget*>(parent))
{
}

DelegateBase::~DelegateBase() = default;

int DelegateBase::addUniqueTab(WidTabManager* manager, std::unique_ptr<BaseTab> page)
{
    BaseTab* tab = manager->addUniqueTab(std::move(page), nullptr);
    return tab ? manager->indexOf(tab->widget()) : -1;
}

WidTabManager* DelegateBase::tabManager() const
{
    if (!m_tabManager)
        reportInvalidObject(QStringLiteral("tabManager"));
    return m_tabManager;
}

BaseTab* DelegateBase::currentTab() const
{
    QWidget* widget = m_tabManager ? m_tabManager->currentWidget() : nullptr;
    BaseTab* page = dynamic_cast<BaseTab*>(widget);
    if (!page)
        reportInvalidObject(QStringLiteral("tab"));
    return page;
}

WidWebTab* DelegateBase::currentWebTab() const
{
    BaseTab* page = currentTab();
    if (!page)
        return nullptr;
    if (auto* webTab = qobject_cast<WidWebTab*>(page->widget()))
        return webTab;
    warnWebTabsOnly();
    return nullptr;
}

void DelegateBase::reportInvalidObject(const QString& name) const
{
    Logger::error(LocaleDelegate::invalidObjectState(name));
    UtilSignalManager::instance()->emitError(LocaleDelegate::unexpectedError());
}

void DelegateBase::reportListError(const DBListBase* list) const
{
    if (!list)
        return;
    Logger::error(list->errorText());
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(list->failureCause()));
}

void DelegateBase::reportRecordError(const DBBase* record) const
{
    if (!record)
        return;
    Logger::error(record->errorText());
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(record->failureCause()));
}

void DelegateBase::warnWebTabsOnly() const
{
    UtilSignalManager::instance()->emitWarning(LocaleDelegate::webTabsOnly());
}

} // namespace Vexal
