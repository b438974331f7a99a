#include "shell/WidNavigationBar.h"

#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "shell/WidLocationBar.h"
#include "shell/WidSearchBar.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBrowser.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

namespace Vexal {

WidNavigationBar::WidNavigationBar(QWidget* parent)
    : QWidget(parent)
{
}

void WidNavigationBar::build()
{
    create();
}

void WidNavigationBar::create()
{
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this, 2, 2);

    m_backButton = UtilGui::createToolButton(ConstIcon::back(32), LocaleBrowser::back(), this);
    connect(m_backButton, &QToolButton::clicked, this, &WidNavigationBar::handleBack);
    m_forwardButton = UtilGui::createToolButton(ConstIcon::forward(32), LocaleBrowser::forward(), this);
    connect(m_forwardButton, &QToolButton::clicked, this, &WidNavigationBar::handleForward);
    m_reloadStopButton = UtilGui::createToolButton(ConstIcon::reload(32), LocaleBrowser::reload(), this);
    connect(m_reloadStopButton, &QToolButton::clicked, this, &WidNavigationBar::handleReloadStop);

    m_locationBar = new WidLocationBar(this);
    m_locationBar->build();
    connect(m_locationBar, &WidLocationBar::onLoad, this, &WidNavigationBar::handleLoad);
    connect(m_locationBar, &WidLocationBar::onSearch, this, &WidNavigationBar::handleSearch);

    m_searchBar = new WidSearchBar(this);
    m_searchBar->build();
    connect(m_searchBar, &WidSearchBar::onLoad, this, &WidNavigationBar::handleLoad);

    layout->addWidget(m_backButton, 0);
    layout->addWidget(m_forwardButton, 0);
    layout->addWidget(m_reloadStopButton, 0);
    layout->addWidget(m_locationBar, 1);
    layout->addSpacing(5);
    layout->addWidget(m_searchBar, 0);
}

void WidNavigationBar::search(const QString& words)
{
    if (m_searchBar)
        m_searchBar->search(words);
}

void WidNavigationBar::focusSearch()
{
    if (m_searchBar)
        m_searchBar->focusSearch();
}

void WidNavigationBar::focusLocation()
{
    if (m_locationBar)
        m_locationBar->focusLocation();
}

void WidNavigationBar::setIcon(const QPixmap& icon)
{
    if (m_locationBar)
        m_locationBar->setIcon(icon);
}

void WidNavigationBar::setUrl(const QUrl& url)
{
    if (m_locationBar)
        m_locationBar->setUrl(url);
}

void WidNavigationBar::setLoading(bool loading)
{
    m_loading = loading;
    if (!m_reloadStopButton)
        return;
    if (loading) {
        m_reloadStopButton->setToolTip(LocaleBrowser::stop());
        m_reloadStopButton->setIcon(QIcon(ConstIcon::deleteIcon(32)));
    } else {
        m_reloadStopButton->setToolTip(LocaleBrowser::reload());
        m_reloadStopButton->setIcon(QIcon(ConstIcon::reload(32)));
    }
}

void WidNavigationBar::handleBack()
{
    emit onBack();
}

void WidNavigationBar::handleForward()
{
    emit onForward();
}

void WidNavigationBar::handleReloadStop()
{
    if (m_loading)
        emit onStop();
    else
        emit onReload();
}

void WidNavigationBar::handleLoad(const QUrl& url)
{
    emit onLoad(url);
}

void WidNavigationBar::handleSearch(const QString& words)
{
    search(words);
}

void WidNavigationBar::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawBottomLine(this);
}

} // namespace Vexal
