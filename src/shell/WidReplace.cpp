#include "shell/WidReplace.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleFind.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace Vexal {

WidReplace::WidReplace(QWidget* parent)
    : WidFindBase(parent)
{
}

void WidReplace::create()
{
    WidFindBase::create();
    m_caption->setText(LocaleFind::replace());

    m_edit = new QLineEdit(this);
    m_edit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_withLabel = new QLabel(LocaleFind::with(), this);
    m_replaceEdit = new QLineEdit(this);
    m_replaceEdit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_nextButton = UtilGui::createToolButton(ConstIcon::down(16), LocaleFind::next(), this);
    m_previousButton = UtilGui::createToolButton(ConstIcon::up(16), LocaleFind::previous(), this);
    m_replaceAllButton = new QToolButton(this);
    m_replaceAllButton->setText(LocaleFind::replaceAll());
    m_matchCase = new QCheckBox(LocaleFind::matchCase(), this);

    m_layout->addWidget(m_edit);
    m_layout->addWidget(m_withLabel);
    m_layout->addWidget(m_replaceEdit);
    m_layout->addWidget(m_nextButton);
    m_layout->addWidget(m_previousButton);
    m_layout->addWidget(m_replaceAllButton);
    m_layout->addWidget(m_matchCase);
    m_layout->addStretch();

    connect(m_edit, &QLineEdit::returnPressed, this, &WidReplace::slotReplaceNext);
    connect(m_replaceEdit, &QLineEdit::returnPressed, this, &WidReplace::slotReplaceNext);
    connect(m_nextButton, &QToolButton::clicked, this, &WidReplace::slotReplaceNext);
    connect(m_previousButton, &QToolButton::clicked, this, &WidReplace::slotReplacePrevious);
    connect(m_replaceAllButton, &QToolButton::clicked, this, &WidReplace::slotReplaceAll);
}

void WidReplace::activate(const QString& text)
{
    if (!m_edit)
        return;
    m_edit->setText(text);
    m_edit->selectAll();
    m_edit->setFocus(Qt::OtherFocusReason);
}

void WidReplace::slotReplaceNext()
{
    replace(true);
}

void WidReplace::slotReplacePrevious()
{
    replace(false);
}

void WidReplace::replace(bool forward)
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::replace());
    if (!m_edit || m_edit->text().isEmpty())
        return;
    emit onReplace(m_edit->text(), m_replaceEdit->text(), forward, m_matchCase->isChecked());
}

void WidReplace::slotReplaceAll()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::replaceAll());
    if (!m_edit || m_edit->text().isEmpty())
        return;
    emit onReplaceAll(m_edit->text(), m_replaceEdit->text(), m_matchCase->isChecked());
}

} // namespace Vexal
