#include "FreshProcess.h"

#include "FreshStateTest.h"
#include "TestDatabase.h"
#include "automation/smart/SmartLog.h"
#include "core/ConstCore.h"
#include "core/UtilPrompt.h"
#include "data/DBWriteQueue.h"
#include "shell/NetworkAccessManager.h"
#include "shell/Notification.h"
#include "shell/WidSearchBar.h"
#include "shell/WidTabManager.h"
#include "sites/SecurityManager.h"

#include <QApplication>
#include <QClipboard>
#include <QNetworkCookieJar>
#include <QWidget>

using namespace Vexal;

namespace {

// The attributes the program sets on the global settings.
const QWebSettings::WebAttribute programAttributes[] = {
    QWebSettings::AutoLoadImages,          QWebSettings::JavascriptEnabled,
    QWebSettings::PluginsEnabled,          QWebSettings::PrivateBrowsingEnabled,
    QWebSettings::JavascriptCanOpenWindows, QWebSettings::JavascriptCanAccessClipboard,
    QWebSettings::ZoomTextOnly,
};

} // namespace

FreshProcess::FreshProcess()
{
    for (const QWebSettings::WebAttribute attribute : programAttributes)
        m_webAttributes.insert(attribute, QWebSettings::globalSettings()->testAttribute(attribute));
}

void FreshProcess::restore() const
{
    FreshStateTest::reset();
    UtilPrompt::setHook(nullptr);
    UtilPrompt::setClosing(false);
    DBWriteQueue::clear();
    TestDatabase::dropDefaultConnection();

    NetworkAccessManager* network = NetworkAccessManager::instance();
    network->applyProxy(QNetworkProxy(), QString(), QString(), true);
    network->setSocksLogin(QString());
    network->setSocksPassword(QString());
    network->setFtpLogin(QString());
    network->setFtpPassword(QString());
    network->setCookieJar(new QNetworkCookieJar);
    network->clearAccessCache();
    SecurityManager::stop();
    Notification::instance()->clear();
    SmartLog::instance()->setEnabled(false);

    WidTabManager::setWebTabFactory(nullptr);
    WidSearchBar::setCurrentEngine(ConstCore::EngineWeb);
    for (auto it = m_webAttributes.constBegin(); it != m_webAttributes.constEnd(); ++it)
        QWebSettings::globalSettings()->setAttribute(it.key(), it.value());

    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QApplication::clipboard()->clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
