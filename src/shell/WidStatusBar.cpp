#include "shell/WidStatusBar.h"

#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"

#include <QHBoxLayout>
#include <QLabel>

namespace Vexal {

WidStatusBar::WidStatusBar(QWidget* parent)
    : QWidget(parent)
{
}

void WidStatusBar::init()
{
    create();
}

void WidStatusBar::create()
{
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this);
    m_projectLabel = new QLabel(this);
    // Hovered addresses come from pages: never read them as markup.
    m_linkLabel = new QLabel(this);
    m_linkLabel->setTextFormat(Qt::PlainText);
    m_statusLabel = new QLabel(this);

    layout->addWidget(m_projectLabel);
    layout->addWidget(new QLabel(QStringLiteral("   "), this));
    layout->addWidget(m_linkLabel);
    layout->addStretch();
    layout->addWidget(m_statusLabel);
}

void WidStatusBar::setProjectText(const QString& text)
{
    if (m_projectLabel)
        m_projectLabel->setText(text);
}

void WidStatusBar::setLinkText(const QString& text)
{
    if (m_linkLabel)
        m_linkLabel->setText(text);
}

void WidStatusBar::setTabStatus(const QString& text)
{
    if (m_statusLabel)
        m_statusLabel->setText(text);
}

void WidStatusBar::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawTopLine(this);
}

} // namespace Vexal
