#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace Vexal {

// One notice at a time: its kind's icon, its text wrapped to the bar's width
// (a long one reads whole, and never widens the window) and a close mark.
// Errors, warnings and information hide themselves after a while; a
// security notice, and an error shown until closed, stay until closed. A
// click anywhere on the bar closes it; the mouse over it holds the timer.
// Showing a notice or closing the bar always stops a pending timer, so an
// older notice's timer never hides a notice shown after it.
class WidNotificationBar final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int defaultHideDelay = 5000;

    explicit WidNotificationBar(QWidget* parent = nullptr);

    void init();

    void showError(const QString& text, bool untilClosed = false);
    void showWarning(const QString& text);
    void showInfo(const QString& text);
    void showSecurity(const QString& text);

    // Starts the auto-hide timer when the notice on show hides itself.
    void startAutoHide();

    // The notice on show, as it was given.
    QString text() const;
    QLabel* textLabel() const { return m_text; }
    QToolButton* closeButton() const { return m_close; }
    bool isAutoHide() const { return m_autoHide; }
    bool isTimerRunning() const { return m_timerId != 0; }

    // The auto-hide delay in milliseconds (tests shorten it).
    int hideDelay() const { return m_hideDelay; }
    void setHideDelay(int milliseconds) { m_hideDelay = milliseconds; }

public slots:
    void handleClose();

protected:
    virtual void create();
    void timerEvent(QTimerEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showNotice(const QPixmap& icon, const QString& text, bool autoHide);
    void stopTimer();

    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
    QToolButton* m_close = nullptr;
    int m_timerId = 0;
    bool m_autoHide = true;
    int m_hideDelay = defaultHideDelay;
};

} // namespace Vexal
