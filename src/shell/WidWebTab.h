#pragma once

#include "shell/BaseTab.h"

#include <QPointer>
#include <QWidget>

class QSplitter;

namespace Vexal {

class BaseWebExtension;
class WidNavigationBar;
class WidWebView;

// The tab page of a web page: the navigation bar on top and below it a
// splitter with at most one side panel (left) and the web view. The body is
// built by setInit (the tab manager calls it before open); open loads the
// Init's address and runs a web search for its text.
class WidWebTab final : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    explicit WidWebTab(QWidget* parent = nullptr);
    ~WidWebTab() override;

    QString title() const override;
    QString toolTip() const override;
    QPixmap icon() const override;
    QUrl url() const override;
    bool isWebPage() const override;
    QString selectedText() const override;
    void open() override;
    void back() override;
    void forward() override;
    void reload() override;
    void stop() override;
    void save() override;
    void copy() override;
    void selectAll() override;
    void find(const QString& text, bool forward, bool matchCase) override;
    void findAll(const QString& text, bool matchCase) override;
    void load(const QUrl& url) override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;
    bool isLocked() const override;
    bool isNinja() const override;
    void setLocked(bool locked) override;
    void setNinja(bool ninja) override;
    void setInit(QObject* init) override;

    // Null until setInit has built the body.
    WidWebView* webView() const { return m_webView; }
    WidNavigationBar* navigationBar() const { return m_navigationBar; }
    QSplitter* splitter() const { return m_splitter; }
    BaseWebExtension* extension() const { return m_extension; }

    // Runs a web search for the words through the tab's search bar.
    void webSearch(const QString& words);
    void focusSearch();
    void focusLocation();
    QString pageHtml() const;
    // Attaches the panel left of the view and takes ownership of it; the
    // panel attached so far is deleted. Null does nothing.
    void setExtension(BaseWebExtension* extension);

public slots:
    void slotBack();
    void slotForward();
    void slotReload();
    void slotStop();
    void slotLoad(const QUrl& url);
    void handleStateChanged();
    void handleCloseExtension();

protected:
    virtual void connectSignals();

private:
    WidNavigationBar* m_navigationBar = nullptr;
    QSplitter* m_splitter = nullptr;
    WidWebView* m_webView = nullptr;
    BaseWebExtension* m_extension = nullptr;
    // The panel's widget, to notice a panel deleted behind the tab's back.
    QPointer<QWidget> m_extensionWidget;
};

} // namespace Vexal
