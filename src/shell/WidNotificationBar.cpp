#include "shell/WidNotificationBar.h"

#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QToolButton>

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
    m_icon = new QLabel(this);
    m_icon->setPixmap(ConstIcon::error(32));
    m_icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Plain text: a page's or a user's '&' or '<' shows as written.
    m_text = new QLabel(this);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_close = UtilGui::createToolButton(ConstIcon::deleteIcon(16), LocaleDialog::close(), this);
    connect(m_close, &QToolButton::clicked, this, &WidNotificationBar::handleClose);
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this);
    layout->addWidget(m_icon, 0, Qt::AlignTop);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_close, 0, Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
}

QString WidNotificationBar::text() const
{
    return m_text ? m_text->text() : QString();
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
    if (m_text) {
        m_icon->setPixmap(icon);
        m_text->setText(text);
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

// The labels leave the mouse to the bar: a click on the icon or the text
// closes it as well.
void WidNotificationBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void WidNotificationBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        handleClose();
    else
        QWidget::mouseReleaseEvent(event);
}

} // namespace Vexal
