#include "shell/WidWebPage.h"

#include "core/UtilSignalManager.h"
#include "shell/NetworkAccessManager.h"

namespace Vexal {

WidWebPage::WidWebPage(QObject* parent)
    : QWebPage(parent)
{
    setNetworkAccessManager(NetworkAccessManager::instance());
    connect(this, &QWebPage::linkHovered, this, &WidWebPage::handleLinkHovered);
}

void WidWebPage::handleLinkHovered(const QString& link, const QString&, const QString&)
{
    UtilSignalManager::instance()->emitLinkHovered(link);
}

} // namespace Vexal
