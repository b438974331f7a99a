#include "widgets/BaseToolbar.h"

#include "core/SyncManager.h"
#include "core/TooltipManager.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

namespace Vexal {

BaseToolbar::BaseToolbar(SyncManager* syncManager)
    : m_syncManager(syncManager)
{
}

BaseToolbar::~BaseToolbar() = default;

void BaseToolbar::build()
{
    create();
}

void BaseToolbar::create()
{
    QWidget* bar = barWidget();
    m_layout = UtilGui::createHBoxLayout(bar, 2, 2);
    m_tooltipManager = new TooltipManager(bar);
    createTooltipsButton();
    createButtons();
    createExtraButtons();
    createTrailing();
    createCloseButton();
}

void BaseToolbar::createTooltipsButton()
{
}

void BaseToolbar::createButtons()
{
}

void BaseToolbar::createExtraButtons()
{
}

void BaseToolbar::createTrailing()
{
}

void BaseToolbar::createCloseButton()
{
}

QWidget* BaseToolbar::barWidget()
{
    return dynamic_cast<QWidget*>(this);
}

QToolButton* BaseToolbar::addButton(const QPixmap& pixmap, const QString& text, int commandId)
{
    auto* button = new QToolButton(barWidget());
    button->setAutoRaise(true);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
    button->setToolTip(text);
    if (commandId != 0) {
        button->setEnabled(false);
        if (m_syncManager)
            m_syncManager->addWidget(commandId, button);
    }
    if (m_tooltipManager)
        m_tooltipManager->addButton(button);
    if (m_layout)
        m_layout->addWidget(button);
    return button;
}

void BaseToolbar::addTooltipsButton(const QString& text)
{
    QToolButton* button = addButton(ConstIcon::tooltips(32), text, 0);
    QObject::connect(button, &QToolButton::clicked, barWidget(), [this] { toggleTooltips(); });
    addSeparator();
}

void BaseToolbar::toggleTooltips()
{
    if (m_tooltipManager)
        m_tooltipManager->toggle();
}

void BaseToolbar::addSeparator()
{
    auto* separator = new QLabel(barWidget());
    separator->setPixmap(ConstIcon::separator(16));
    if (m_layout)
        m_layout->addWidget(separator);
}

void BaseToolbar::addStretch()
{
    if (m_layout)
        m_layout->addStretch(0);
}

} // namespace Vexal
