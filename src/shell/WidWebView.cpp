#include "shell/WidWebView.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBWriteQueue.h"
#include "data/File.h"
#include "data/UtilFileDialog.h"
#include "texts/Utils.h"
#include "shell/WidTabManager.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleWebTab.h"
#include "data/DBHistory.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QImageWriter>
#include <QWebFrame>
#include <QWebSettings>

namespace Vexal {

WidWebView::WidWebView(QWidget* parent)
    : WidWebViewDesigner(parent)
{
}

QString WidWebView::title() const
{
    return m_ninja ? LocaleWebTab::google() : stateTitle();
}

QString WidWebView::stateTitle() const
{
    switch (m_loadState) {
    case StateLoading:
        return LocaleWebTab::loading();
    case StateFailed:
        return LocaleWebTab::failed();
    case StateNone:
        return m_pageTitle.isEmpty() ? LocaleWebTab::untitled() : m_pageTitle;
    default:
        if (!m_pageTitle.isEmpty())
            return m_pageTitle;
        if (!m_pageUrl.isEmpty())
            return m_pageUrl.toString();
        return LocaleWebTab::untitled();
    }
}

QPixmap WidWebView::icon() const
{
    if (m_locked)
        return ConstIcon::lock(16);
    if (m_ninja)
        return ConstIcon::google(16);
    return stateIcon();
}

QPixmap WidWebView::stateIcon() const
{
    if (m_loadState == StateLoading)
        return ConstIcon::reload(16);
    if (m_loadState == StateFailed)
        return ConstIcon::deleteIcon(16);
    return m_pageIcon.isNull() ? ConstIcon::webPage(16) : m_pageIcon;
}

QString WidWebView::toolTip() const
{
    return Utils::elideTwoLines(title(), m_pageUrl.toString());
}

QUrl WidWebView::url() const { return m_pageUrl; }
void WidWebView::setUrl(const QUrl& url) { m_pageUrl = url; }
int WidWebView::state() const { return m_loadState; }
bool WidWebView::isLocked() const { return m_locked; }
bool WidWebView::isNinja() const { return m_ninja; }

void WidWebView::setLocked(bool locked)
{
    m_locked = locked;
    if (locked)
        m_ninja = false;
    emit onStateChanged();
}

void WidWebView::setNinja(bool ninja)
{
    m_ninja = ninja;
    if (ninja)
        m_locked = false;
    emit onStateChanged();
}

void WidWebView::setTabManager(QWidget* tabManager) { m_tabManager = tabManager; }
QWidget* WidWebView::tabManager() const { return m_tabManager; }

QString WidWebView::pageHtml() const
{
    QWebPage* webPage = page();
    if (!webPage) {
        Logger::error(LocaleWebTab::invalidObjectState(QStringLiteral("page()")));
        return QString();
    }
    QWebFrame* frame = webPage->currentFrame();
    if (!frame) {
        Logger::error(LocaleWebTab::invalidObjectState(QStringLiteral("page()->currentFrame()")));
        return QString();
    }
    return frame->toHtml();
}

void WidWebView::zoomIn(bool textOnly)
{
    if (zoomValue(textOnly) > 2.0) {
        UtilSignalManager::instance()->emitWarning(LocaleWebTab::zoomLimitReached());
        return;
    }
    setZoomValue(textOnly, zoomValue(textOnly) + 0.1);
}

void WidWebView::zoomOut(bool textOnly)
{
    if (zoomValue(textOnly) <= 0.5) {
        UtilSignalManager::instance()->emitWarning(LocaleWebTab::zoomLimitReached());
        return;
    }
    setZoomValue(textOnly, zoomValue(textOnly) - 0.1);
}

void WidWebView::zoomReset()
{
    setZoomValue(false, 1.0);
    setZoomValue(true, 1.0);
}

qreal WidWebView::zoomValue(bool textOnly) const
{
    QWebSettings* settings = page()->settings();
    settings->setAttribute(QWebSettings::ZoomTextOnly, textOnly);
    const qreal value = zoomFactor();
    settings->setAttribute(QWebSettings::ZoomTextOnly, false);
    return value;
}

void WidWebView::setZoomValue(bool textOnly, qreal value)
{
    QWebSettings* settings = page()->settings();
    settings->setAttribute(QWebSettings::ZoomTextOnly, textOnly);
    setZoomFactor(value);
    settings->setAttribute(QWebSettings::ZoomTextOnly, false);
}

void WidWebView::handleLoadStarted()
{
    m_loadState = StateLoading;
    emit onStateChanged();
}

void WidWebView::handleLoadFinished(bool ok)
{
    // Give the icon database a moment; user input could close this tab, so it
    // stays excluded and the view may still be gone afterwards.
    QPointer<WidWebView> self(this);
    for (int pass = 0; pass < 2 && QWebView::icon().isNull(); ++pass) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!self)
            return;
    }
    takeIcon();
    if (!ok) {
        m_loadState = StateFailed;
        emit onStateChanged();
        return;
    }
    m_loadState = StateLoaded;
    writeHistory();
    emit onStateChanged();
}

void WidWebView::handleTitleChanged(const QString& title)
{
    m_pageTitle = title;
    emit onStateChanged();
}

void WidWebView::handleUrlChanged(const QUrl& url)
{
    m_pageUrl = url;
    emit onStateChanged();
}

void WidWebView::handleIconChanged()
{
    takeIcon();
    emit onStateChanged();
}

void WidWebView::slotOpenLink()
{
    setContext(LocaleWebTab::openLinkInNewTab());
    UtilSignalManager::instance()->emitLoad(m_hitTest.linkUrl(), true, DBCache::focusNewTab());
}

void WidWebView::slotQuickBookmarkLink()
{
    setContext(LocaleWebTab::quickBookmarkThisLink());
    UtilSignalManager::instance()->emitQuickBookmark(m_hitTest.linkUrl(), linkTitle(), icon());
}

void WidWebView::slotBookmarkLink()
{
    setContext(LocaleWebTab::bookmarkThisLink());
    UtilSignalManager::instance()->emitBookmarkTab(m_hitTest.linkUrl(), linkTitle(), icon());
}

void WidWebView::slotCopyLink()
{
    setContext(LocaleWebTab::copyLinkLocation());
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setText(m_hitTest.linkUrl().toString(), QClipboard::Clipboard);
}

void WidWebView::slotSaveLink() {}

void WidWebView::slotViewImage()
{
    setContext(LocaleWebTab::viewImage());
    UtilSignalManager::instance()->emitLoad(m_hitTest.imageUrl(), true, DBCache::focusNewTab());
}

void WidWebView::slotCopyImage()
{
    setContext(LocaleWebTab::copyImage());
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setPixmap(m_hitTest.pixmap(), QClipboard::Clipboard);
}

void WidWebView::slotCopyImageLocation()
{
    setContext(LocaleWebTab::copyImageLocation());
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setText(m_hitTest.imageUrl().toString(), QClipboard::Clipboard);
}

void WidWebView::slotSaveImage()
{
    setContext(LocaleWebTab::saveImageAs());
    const QString fileName = UtilFileDialog::getSaveFileName(this, UtilFileDialog::filterImages());
    if (fileName.isEmpty())
        return;

    const QString suffix = QFileInfo(fileName).suffix();
    static const char* const formats[] = {"BMP", "JPG", "JPEG", "PNG"};
    const char* format = nullptr;
    for (const char* candidate : formats) {
        if (suffix.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0) {
            format = candidate;
            break;
        }
    }
    if (!format) {
        Logger::error(LocaleMessage::invalidFileName() + QStringLiteral(": ") + fileName);
        UtilSignalManager::instance()->emitError(LocaleWebTab::operationFailed());
        return;
    }
    const QPixmap pixmap = m_hitTest.pixmap();
    if (pixmap.isNull()) {
        Logger::error(LocaleWebTab::invalidObjectState(QStringLiteral("hitTest.pixmap()")));
        UtilSignalManager::instance()->emitError(LocaleWebTab::operationFailed());
        return;
    }
    QImageWriter writer(fileName, QByteArray(format));
    if (!writer.write(pixmap.toImage())) {
        Logger::error(LocaleMessage::openFileFailed(fileName, writer.errorString()));
        UtilSignalManager::instance()->emitError(LocaleWebTab::operationFailed());
        return;
    }
    UtilSignalManager::instance()->emitInfo(LocaleWebTab::operationCompleted());
}

void WidWebView::slotBack()
{
    setContext(LocaleWebTab::back());
    back();
}

void WidWebView::slotForward()
{
    setContext(LocaleWebTab::forward());
    forward();
}

void WidWebView::slotReload()
{
    setContext(LocaleWebTab::reload());
    if (QWebView::url().isEmpty() && !m_pageUrl.isEmpty())
        load(m_pageUrl);
    else
        reload();
}

void WidWebView::slotStop()
{
    setContext(LocaleWebTab::stop());
    stop();
}

void WidWebView::slotQuickBookmarkPage()
{
    setContext(LocaleWebTab::quickBookmark());
    UtilSignalManager::instance()->emitQuickBookmark(url(), title(), icon());
}

void WidWebView::slotBookmarkPage()
{
    setContext(LocaleWebTab::bookmarkThisTab());
    UtilSignalManager::instance()->emitBookmarkTab(url(), title(), icon());
}

void WidWebView::slotSelectAll()
{
    setContext(LocaleWebTab::selectAll());
    triggerPageAction(QWebPage::SelectAll);
}

void WidWebView::slotPageSource()
{
    setContext(LocaleWebTab::pageSource());
    UtilSignalManager::instance()->emitPageSource(title(), pageHtml());
}

void WidWebView::slotSavePage()
{
    setContext(LocaleWebTab::save());
    QWebPage* webPage = page();
    if (!webPage) {
        UtilSignalManager::instance()->emitError(LocaleWebTab::invalidObjectState(QStringLiteral("page()")));
        return;
    }
    if (!webPage->currentFrame()) {
        UtilSignalManager::instance()->emitError(
            LocaleWebTab::invalidObjectState(QStringLiteral("currentFrame()")));
        return;
    }
    const QString fileName = UtilFileDialog::getSaveFileName(this, UtilFileDialog::filterHtml());
    if (fileName.isEmpty())
        return;
    // The frame is asked again: the dialog may have let the page move on.
    QWebFrame* frame = page() ? page()->currentFrame() : nullptr;
    if (!frame) {
        UtilSignalManager::instance()->emitError(
            LocaleWebTab::invalidObjectState(QStringLiteral("currentFrame()")));
        return;
    }
    File file(fileName);
    if (file.write(frame->toHtml())) {
        UtilSignalManager::instance()->emitInfo(LocaleWebTab::operationCompleted());
    } else {
        Logger::error(file.errorText());
        UtilSignalManager::instance()->emitError(LocaleWebTab::operationFailed());
    }
}

void WidWebView::handleCopyText()
{
    if (QClipboard* clipboard = QApplication::clipboard())
        clipboard->setText(selectedText(), QClipboard::Clipboard);
}

void WidWebView::slotWebSearch()
{
    setContext(LocaleWebTab::webSearch());
    UtilSignalManager::instance()->emitWebSearch(selectedText(), true, DBCache::focusNewTab());
}

QWebView* WidWebView::createWindow(QWebPage::WebWindowType type)
{
    if (type != QWebPage::WebBrowserWindow)
        return nullptr;
    if (!m_tabManager)
        return nullptr;
    if (DBCache::blockPopups())
        return nullptr;
    WidTabManager* tabs = qobject_cast<WidTabManager*>(m_tabManager.data());
    return tabs ? tabs->newPopupTab() : nullptr;
}

void WidWebView::setContext(const QString& operation) const
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), operation);
}

void WidWebView::takeIcon()
{
    const QIcon engineIcon = QWebView::icon();
    if (engineIcon.isNull())
        m_pageIcon = ConstIcon::webPage(16);
    else
        m_pageIcon = engineIcon.pixmap(16, 16, QIcon::Normal, QIcon::Off);
}

void WidWebView::writeHistory()
{
    if (!DBCache::saveHistory() || m_ninja)
        return;
    // The row waits its turn, instead of the window waiting or the row being
    // lost, while a job holds the database.
    const QString shown = stateTitle();
    const QImage icon = stateIcon().toImage();
    const QString url = m_pageUrl.toString();
    const QDateTime visited = QDateTime::currentDateTime();
    DBWriteQueue::submit(LocaleMessage::changeHistory(), [shown, icon, url, visited] {
        DBHistory history(nullptr);
        history.setName(shown);
        history.setIconImage(icon);
        history.setTitle(shown);
        history.setUrl(url);
        history.setCreateDate(visited);
        if (history.save())
            return true;
        Logger::error(history.errorText());
        return false;
    });
}

QString WidWebView::linkTitle() const
{
    const QString text = m_hitTest.linkText();
    return text.isEmpty() ? m_hitTest.linkUrl().toString() : text;
}

} // namespace Vexal
