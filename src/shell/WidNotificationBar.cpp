#include "shell/WidNotificationBar.h"

#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "texts/ConstIcon.h"

#include <QCommandLinkButton>
#include <QHBoxLayout>
#include <QTimerEvent>

namespace Vexal {

WidNotificationBar::WidNotificationBar(QWidget* parent)
    : QWidget(parent)
{
}

void WidNotificationBar::init()
{
    create();
}

void WidNotificationBar::create()
{
    m_button = new QCommandLinkButton(QString(), this);
    m_button->setIconSize(QSize(32, 32));
    m_button->setIcon(QIcon(ConstIcon::error(32)));
    connect(m_button, &QCommandLinkButton::clicked, this, &WidNotificationBar::handleClose);
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this);
    layout->addWidget(m_button);
}

void WidNotificationBar::showError(const QString& text, bool untilClosed)
{
    showNotice(ConstIcon::error(32), text, !untilClosed);
}

void WidNotificationBar::showWarning(const QString& text)
{
    showNotice(ConstIcon::warning(32), text, true);
}

void WidNotificationBar::showInfo(const QString& text)
{
    showNotice(ConstIcon::info(32), text, true);
}

void WidNotificationBar::showSecurity(const QString& text)
{
    showNotice(ConstIcon::security(32), text, false);
}

void WidNotificationBar::showNotice(const QPixmap& icon, const QString& text, bool autoHide)
{
    stopTimer();
    if (m_button) {
        m_button->setIcon(QIcon(icon));
        m_button->setText(Utils::escapeMnemonic(text));
    }
    m_autoHide = autoHide;
    startAutoHide();
    show();
}

void WidNotificationBar::startAutoHide()
{
    if (!m_autoHide)
        return;
    stopTimer();
    m_timerId = startTimer(m_hideDelay);
}

void WidNotificationBar::stopTimer()
{
    if (m_timerId > 0)
        killTimer(m_timerId);
    m_timerId = 0;
}

void WidNotificationBar::handleClose()
{
    stopTimer();
    m_autoHide = true;
    hide();
}

void WidNotificationBar::timerEvent(QTimerEvent* event)
{
    killTimer(event->timerId());
    if (event->timerId() != m_timerId)
        return;
    m_timerId = 0;
    m_autoHide = true;
    hide();
}

void WidNotificationBar::enterEvent(QEvent* event)
{
    stopTimer();
    QWidget::enterEvent(event);
}

void WidNotificationBar::leaveEvent(QEvent* event)
{
    startAutoHide();
    QWidget::leaveEvent(event);
}

} // namespace Vexal
