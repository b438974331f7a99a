#include "shell/WidWebPage.h"

#include "core/UtilSignalManager.h"
#include "shell/NetworkAccessManager.h"
#include "texts/LocaleWebTab.h"

#include <QNetworkReply>

namespace Vexal {

WidWebPage::WidWebPage(QObject* parent)
    : QWebPage(parent)
{
    setNetworkAccessManager(NetworkAccessManager::instance());
    connect(this, &QWebPage::linkHovered, this, &WidWebPage::handleLinkHovered);
}

bool WidWebPage::extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output)
{
    if (extension != ErrorPageExtension || !option)
        return QWebPage::extension(extension, option, output);
    ErrorPageExtensionOption error = *static_cast<const ErrorPageExtensionOption*>(option);
    // A request whose connection broke before the answer is sent again; a
    // form's POST is not (see NetworkAccessManager), and the network layer
    // then says only "Unknown error".
    if (error.domain == QtNetwork && error.error == QNetworkReply::ContentReSendError)
        error.errorString = LocaleWebTab::closedBeforeTheAnswer();
    return QWebPage::extension(extension, &error, output);
}

void WidWebPage::handleLinkHovered(const QString& link, const QString&, const QString&)
{
    UtilSignalManager::instance()->emitLinkHovered(link);
}

} // namespace Vexal
