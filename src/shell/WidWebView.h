#pragma once

#include "shell/WidWebViewDesigner.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QUrl>

namespace Vexal {

// The view of one web page in a web tab. It keeps the title, 16-pixel icon,
// address and load state that the tab shows, the tab's locked and ninja flags,
// turns a page's request for a new window into a new tab, saves images and
// pages, and writes a history record for every page that finishes loading.
//
// Load states: 0 nothing loaded yet, 1 loading, 2 loaded, 3 failed.
class WidWebView : public WidWebViewDesigner
{
    Q_OBJECT
public:
    enum LoadState { StateNone = 0, StateLoading = 1, StateLoaded = 2, StateFailed = 3 };

    explicit WidWebView(QWidget* parent = nullptr);

    // "Google" for a ninja view, else stateTitle().
    QString title() const;
    QString stateTitle() const;
    // Lock16 when locked, Google16 when ninja, else stateIcon().
    QPixmap icon() const;
    QPixmap stateIcon() const;
    QString toolTip() const;
    // The stored address (not QWebView's); setUrl stores it without loading.
    QUrl url() const;
    void setUrl(const QUrl& url);
    int state() const;
    bool isLocked() const;
    bool isNinja() const;
    void setLocked(bool locked);
    void setNinja(bool ninja);
    // The tab manager (a WidTabManager) that receives pop-up tabs; not owned.
    void setTabManager(QWidget* tabManager);
    QWidget* tabManager() const;
    QString pageHtml() const;

    // Zoom one step of 0.1 on the zoom factor, or on the text size multiplier
    // when textOnly: in while the value is at most 2.0, out while it is above
    // 0.5; beyond that the hub warns and nothing changes. Reset sets both to 1.
    void zoomIn(bool textOnly);
    void zoomOut(bool textOnly);
    void zoomReset();
    // The text size multiplier (textOnly) or the page zoom factor. The engine
    // keeps both but shows one at a time through zoomFactor(), chosen by the
    // page's ZoomTextOnly setting; these read and write each on its own and
    // leave the setting off, so zoomFactor() is the page zoom.
    qreal zoomValue(bool textOnly) const;
    void setZoomValue(bool textOnly, qreal value);

signals:
    void onStateChanged();

public slots:
    void handleLoadStarted() override;
    void handleLoadFinished(bool ok) override;
    void handleTitleChanged(const QString& title) override;
    void handleUrlChanged(const QUrl& url) override;
    void handleIconChanged() override;
    void slotOpenLink() override;
    void slotQuickBookmarkLink() override;
    void slotBookmarkLink() override;
    void slotCopyLink() override;
    void slotSaveLink() override;
    void slotViewImage() override;
    void slotCopyImage() override;
    void slotCopyImageLocation() override;
    void slotSaveImage() override;
    void slotBack() override;
    void slotForward() override;
    void slotReload() override;
    void slotStop() override;
    void slotQuickBookmarkPage() override;
    void slotBookmarkPage() override;
    void slotSelectAll() override;
    void slotPageSource() override;
    void slotSavePage() override;
    void handleCopyText() override;
    void slotWebSearch() override;

protected:
    QWebView* createWindow(QWebPage::WebWindowType type) override;

private:
    void setContext(const QString& operation) const;
    void takeIcon();
    void writeHistory();
    QString linkTitle() const;

    QString m_pageTitle;
    QPixmap m_pageIcon;
    QUrl m_pageUrl;
    bool m_locked = false;
    bool m_ninja = false;
    int m_loadState = StateNone;
    QPointer<QWidget> m_tabManager;
};

} // namespace Vexal
