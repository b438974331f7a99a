#include "shell/WidFindBase.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleFind.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace Vexal {

WidFindBase::WidFindBase(QWidget* parent)
    : QWidget(parent)
{
}

void WidFindBase::activate(const QString& text)
{
    Q_UNUSED(text);
}

void WidFindBase::init()
{
    create();
}

void WidFindBase::create()
{
    m_layout = UtilGui::createHBoxLayout(this);
    m_closeButton = UtilGui::createToolButton(ConstIcon::deleteIcon(16), LocaleFind::close(), this);
    m_caption = new QLabel(LocaleFind::find(), this);
    m_layout->addWidget(m_closeButton);
    m_layout->addWidget(m_caption);
    connect(m_closeButton, &QToolButton::clicked, this, &WidFindBase::slotClose);
}

void WidFindBase::slotClose()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::close());
    emit onClose();
}

void WidFindBase::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawTopLine(this);
}

} // namespace Vexal
