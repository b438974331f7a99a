#include "shell/WidLocationBar.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "shell/WidLocationEdit.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBrowser.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

namespace Vexal {

WidLocationBar::WidLocationBar(QWidget* parent)
    : QWidget(parent)
{
}

void WidLocationBar::build()
{
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this, 2, 2);
    m_iconButton = UtilGui::createToolButton(ConstIcon::webPage(16), QString(), this);
    m_locationEdit = new WidLocationEdit(this);
    connect(m_locationEdit, &WidLocationEdit::onExecute, this, &WidLocationBar::slotExecute);
    m_bookmarkButton = UtilGui::createToolButton(ConstIcon::favorites(16), LocaleBrowser::bookmarkThisTab(), this);
    connect(m_bookmarkButton, &QToolButton::clicked, this, &WidLocationBar::handleBookmarkTab);
    layout->addWidget(m_iconButton);
    layout->addWidget(m_locationEdit);
    layout->addWidget(m_bookmarkButton);
}

void WidLocationBar::setIcon(const QPixmap& icon)
{
    if (m_iconButton)
        m_iconButton->setIcon(QIcon(icon));
}

void WidLocationBar::setUrl(const QUrl& url)
{
    if (m_locationEdit)
        m_locationEdit->setPageText(url.toString());
}

void WidLocationBar::focusLocation()
{
    if (m_locationEdit)
        m_locationEdit->focusAndSelectAll(Qt::ShortcutFocusReason);
}

void WidLocationBar::slotExecute()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleBrowser::load());
    if (!m_locationEdit)
        return;
    const QString text = m_locationEdit->text();
    if (text.isEmpty()) {
        emit onLoad(QUrl(ConstApp::homeUrl()));
        return;
    }
    const QString shortcut = DBCache::resolveShortcut(text);
    if (!shortcut.isEmpty()) {
        emit onLoad(QUrl(shortcut));
        return;
    }
    if (text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(':'))) {
        const QUrl url = QUrl::fromUserInput(text);
        // Text such as "a.b c" makes no address: it is searched for instead
        // of being dropped.
        if (url.isValid() && !url.isEmpty()) {
            emit onLoad(url);
            return;
        }
    }
    emit onSearch(text);
}

void WidLocationBar::handleBookmarkTab()
{
    UtilSignalManager::instance()->emitBookmarkTab();
}

void WidLocationBar::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawFrame(this);
}

} // namespace Vexal
