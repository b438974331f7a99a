#include "shell/WidFind.h"

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

WidFind::WidFind(QWidget* parent)
    : WidFindBase(parent)
{
}

void WidFind::create()
{
    WidFindBase::create();
    m_caption->setText(LocaleFind::find());

    m_edit = new QLineEdit(this);
    m_edit->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_nextButton = UtilGui::createToolButton(ConstIcon::down(16), LocaleFind::next(), this);
    m_previousButton = UtilGui::createToolButton(ConstIcon::up(16), LocaleFind::previous(), this);
    m_selectAllButton = new QToolButton(this);
    m_selectAllButton->setText(LocaleFind::selectAll());
    m_matchCase = new QCheckBox(LocaleFind::matchCase(), this);

    m_layout->addWidget(m_edit);
    m_layout->addWidget(m_nextButton);
    m_layout->addWidget(m_previousButton);
    m_layout->addWidget(m_selectAllButton);
    m_layout->addWidget(m_matchCase);
    m_layout->addStretch();

    connect(m_edit, &QLineEdit::returnPressed, this, &WidFind::slotFindNext);
    connect(m_nextButton, &QToolButton::clicked, this, &WidFind::slotFindNext);
    connect(m_previousButton, &QToolButton::clicked, this, &WidFind::slotFindPrevious);
    connect(m_selectAllButton, &QToolButton::clicked, this, &WidFind::slotFindAll);
}

void WidFind::activate(const QString& text)
{
    if (!m_edit)
        return;
    m_edit->setText(text);
    m_edit->selectAll();
    m_edit->setFocus(Qt::OtherFocusReason);
}

void WidFind::slotFindNext()
{
    find(true);
}

void WidFind::slotFindPrevious()
{
    find(false);
}

void WidFind::find(bool forward)
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::find());
    if (!m_edit || m_edit->text().isEmpty())
        return;
    emit onFind(m_edit->text(), forward, m_matchCase->isChecked());
}

void WidFind::slotFindAll()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleFind::selectAll());
    if (!m_edit)
        return;
    const QString text = m_edit->text();
    if (text.isEmpty() || text == m_lastFindAll)
        m_lastFindAll.clear();
    else
        m_lastFindAll = text;
    emit onFindAll(m_lastFindAll, m_matchCase->isChecked());
}

} // namespace Vexal
