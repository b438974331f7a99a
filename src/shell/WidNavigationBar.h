#pragma once

#include <QUrl>
#include <QWidget>

class QPixmap;
class QToolButton;

namespace Vexal {

class WidLocationBar;
class WidSearchBar;

// The bar on top of a web tab: Back, Forward, Reload/Stop, the location bar
// and the search bar. It reports the user's navigation as signals and turns
// typed text into an address or a web search (onLoad).
class WidNavigationBar final : public QWidget
{
    Q_OBJECT
public:
    explicit WidNavigationBar(QWidget* parent = nullptr);

    // Call once, right after construction.
    void build();
    void search(const QString& words);
    void focusSearch();
    void focusLocation();
    void setIcon(const QPixmap& icon);
    void setUrl(const QUrl& url);
    // While loading, the Reload/Stop button stops the page.
    void setLoading(bool loading);
    bool isLoading() const { return m_loading; }

    QToolButton* backButton() const { return m_backButton; }
    QToolButton* forwardButton() const { return m_forwardButton; }
    QToolButton* reloadStopButton() const { return m_reloadStopButton; }
    WidLocationBar* locationBar() const { return m_locationBar; }
    WidSearchBar* searchBar() const { return m_searchBar; }

signals:
    void onBack();
    void onForward();
    void onReload();
    void onStop();
    void onLoad(const QUrl& url);

public slots:
    void handleBack();
    void handleForward();
    void handleReloadStop();
    void handleLoad(const QUrl& url);
    void handleSearch(const QString& words);

protected:
    virtual void create();
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* m_backButton = nullptr;
    QToolButton* m_forwardButton = nullptr;
    QToolButton* m_reloadStopButton = nullptr;
    WidLocationBar* m_locationBar = nullptr;
    WidSearchBar* m_searchBar = nullptr;
    bool m_loading = false;
};

} // namespace Vexal
