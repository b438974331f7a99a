#include "shell/WidFindBase.h"

#include "core/Logger.h"
#include "shell/UtilFieldKeys.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleFind.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

void WidTextFindBase::createRow(const QString& caption, const QString& actionText,
                                const std::function<QList<QWidget*>()>& makeExtra)
{
    WidFindBase::create();
    m_caption->setText(caption);

    m_edit = new QLineEdit(this);
    UtilFieldKeys::install(m_edit);
    m_edit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const QList<QWidget*> extra = makeExtra ? makeExtra() : QList<QWidget*>();
    m_nextButton = UtilGui::createToolButton(ConstIcon::down(16), LocaleFind::next(), this);
    m_previousButton = UtilGui::createToolButton(ConstIcon::up(16), LocaleFind::previous(), this);
    m_actionButton = new QToolButton(this);
    m_actionButton->setText(actionText);
    m_matchCase = new QCheckBox(LocaleFind::matchCase(), this);

    m_layout->addWidget(m_edit);
    for (QWidget* widget : extra)
        m_layout->addWidget(widget);
    for (QWidget* widget : {static_cast<QWidget*>(m_nextButton), static_cast<QWidget*>(m_previousButton),
                            static_cast<QWidget*>(m_actionButton), static_cast<QWidget*>(m_matchCase)})
        m_layout->addWidget(widget);
    m_layout->addStretch();

    connect(m_edit, &QLineEdit::returnPressed, this, [this] { slotNext(); });
    connect(m_nextButton, &QToolButton::clicked, this, [this] { slotNext(); });
    connect(m_previousButton, &QToolButton::clicked, this, [this] { slotPrevious(); });
    connect(m_actionButton, &QToolButton::clicked, this, [this] { slotAction(); });
}

void WidTextFindBase::activate(const QString& text)
{
    if (!m_edit)
        return;
    m_edit->setText(text);
    m_edit->selectAll();
    m_edit->setFocus(Qt::OtherFocusReason);
}

QString WidTextFindBase::searchText() const
{
    return m_edit ? m_edit->text() : QString();
}

bool WidTextFindBase::isMatchCase() const
{
    return m_matchCase && m_matchCase->isChecked();
}

} // namespace Vexal
