#include "shell/WidGotoLine.h"

#include "core/Logger.h"
#include "shell/UtilFieldKeys.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleFind.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace Vexal {

WidGotoLine::WidGotoLine(QWidget* parent)
    : WidFindBase(parent)
{
}

void WidGotoLine::create()
{
    WidFindBase::create();
    m_caption->setText(LocaleFind::goToLine());

    m_spinBox = UtilGui::createSpinBox(0, 10000, this);
    UtilFieldKeys::install(m_spinBox);
    m_spinBox->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_goButton = UtilGui::createToolButton(ConstIcon::forward(16), LocaleFind::goToLine(), this);

    m_layout->addWidget(m_spinBox);
    m_layout->addWidget(m_goButton);
    m_layout->addStretch();

    connect(m_goButton, &QToolButton::clicked, this, &WidGotoLine::slotGotoLine);
}

void WidGotoLine::activate(const QString& text)
{
    Q_UNUSED(text);
    if (!m_spinBox)
        return;
    m_spinBox->selectAll();
    m_spinBox->setFocus(Qt::OtherFocusReason);
}

void WidGotoLine::slotGotoLine()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::goToLine());
    if (!m_spinBox)
        return;
    emit onGotoLine(m_spinBox->value());
}

} // namespace Vexal
