#pragma once

#include <QUrl>
#include <QWidget>

class QPixmap;
class QToolButton;

namespace Vexal {

class WidLocationEdit;

// The location bar of a navigation bar: page icon, address field and the
// bookmark button. What the user types becomes an address (onLoad) or words
// for the web search (onSearch).
class WidLocationBar final : public QWidget
{
    Q_OBJECT
public:
    explicit WidLocationBar(QWidget* parent = nullptr);

    // Call once, right after construction.
    void build();
    void setIcon(const QPixmap& icon);
    void setUrl(const QUrl& url);
    void focusLocation();

    WidLocationEdit* locationEdit() const { return m_locationEdit; }
    QToolButton* iconButton() const { return m_iconButton; }
    QToolButton* bookmarkButton() const { return m_bookmarkButton; }

signals:
    void onLoad(const QUrl& url);
    void onSearch(const QString& words);

public slots:
    // Empty text: the built-in home page. A URL shortcut: its address as
    // stored. Text with '.' or ':' that makes a valid address: that address.
    // Anything else is searched for.
    void slotExecute();
    void handleBookmarkTab();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* m_iconButton = nullptr;
    WidLocationEdit* m_locationEdit = nullptr;
    QToolButton* m_bookmarkButton = nullptr;
};

} // namespace Vexal
