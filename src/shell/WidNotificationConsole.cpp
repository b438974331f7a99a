#include "shell/WidNotificationConsole.h"

#include "core/Logger.h"
#include "core/UserData.h"
#include "shell/Notification.h"
#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "shell/WidNotificationConsoleToolbar.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleConsole.h"

#include <QCommandLinkButton>
#include <QIcon>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Vexal {

WidNotificationConsole::WidNotificationConsole(QWidget* parent)
    : QWidget(parent)
{
}

QString WidNotificationConsole::title() const
{
    return LocaleConsole::notificationConsole();
}

void WidNotificationConsole::setInit(QObject* init)
{
    BaseTab::setInit(init);
    if (!m_listLayout)
        createWidgets();
    slotReload();
}

void WidNotificationConsole::createWidgets()
{
    m_toolbar = new WidNotificationConsoleToolbar(this);
    connect(m_toolbar, &WidNotificationConsoleToolbar::onSelect, this, &WidNotificationConsole::slotSelect);
    connect(m_toolbar, &WidNotificationConsoleToolbar::onDelete, this, &WidNotificationConsole::slotDelete);
    connect(m_toolbar, &WidNotificationConsoleToolbar::onReload, this, &WidNotificationConsole::slotReload);
    m_toolbar->build();

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setBackgroundRole(QPalette::Base);
    m_scrollArea->setFrameShape(QFrame::Panel);
    m_scrollArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_scrollArea->setWidgetResizable(true);
    auto* list = new QWidget(m_scrollArea);
    m_listLayout = UtilGui::createVBoxLayout(list);
    m_scrollArea->setWidget(list);

    QVBoxLayout* layout = UtilGui::createVBoxLayout(this);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_scrollArea);
}

QList<QCommandLinkButton*> WidNotificationConsole::noticeButtons() const
{
    QList<QCommandLinkButton*> buttons;
    if (!m_listLayout)
        return buttons;
    for (int i = 0; i < m_listLayout->count(); ++i) {
        if (auto* button = qobject_cast<QCommandLinkButton*>(m_listLayout->itemAt(i)->widget()))
            buttons << button;
    }
    return buttons;
}

int WidNotificationConsole::keyOf(const QWidget* button)
{
    return UserData::isAttached(button) ? UserData::of(button).value() : -1;
}

void WidNotificationConsole::slotReload()
{
    setContext(LocaleConsole::reload());
    if (!m_listLayout)
        return;
    while (QLayoutItem* item = m_listLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QMap<int, QString> notices = Notification::instance()->notices();
    int shown = 0;
    for (auto it = notices.cbegin(); it != notices.cend() && shown < maxShown; ++it, ++shown) {
        auto* button = new QCommandLinkButton(Utils::escapeMnemonic(it.value()), m_listLayout->parentWidget());
        button->setCheckable(true);
        button->setIcon(QIcon(ConstIcon::info(32)));
        button->setIconSize(QSize(32, 32));
        UserData::attach(button, UserData(it.key()));
        m_listLayout->addWidget(button);
    }
    m_listLayout->addStretch();
}

void WidNotificationConsole::slotSelect()
{
    setContext(LocaleConsole::selectAll());
    for (QCommandLinkButton* button : noticeButtons())
        button->setChecked(true);
}

void WidNotificationConsole::slotDelete()
{
    setContext(LocaleConsole::deleteItem());
    if (!m_listLayout)
        return;
    int i = 0;
    while (i < m_listLayout->count()) {
        auto* button = qobject_cast<QCommandLinkButton*>(m_listLayout->itemAt(i)->widget());
        if (button && button->isChecked() && UserData::isAttached(button)) {
            Notification::instance()->remove(keyOf(button));
            delete m_listLayout->takeAt(i);
            delete button;
        } else {
            ++i;
        }
    }
}

void WidNotificationConsole::setContext(const QString& action) const
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
}

void WidNotificationConsole::remove()
{
    slotDelete();
}

void WidNotificationConsole::selectAll()
{
    slotSelect();
}

void WidNotificationConsole::reload()
{
    slotReload();
}

} // namespace Vexal
