#include "sites/DlgGuid.h"

#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUuid>

namespace Vexal {

DlgGuid::DlgGuid(QWidget* parent)
    : DlgBase(parent)
{
}

QString DlgGuid::guid() const
{
    return m_guidEdit ? m_guidEdit->text() : QString();
}

QString DlgGuid::createGuid()
{
    return QUuid::createUuid().toString().toUpper();
}

void DlgGuid::slotCreateAndCopy()
{
    Logger::setContext(className(), LocaleDialog::createAndCopy());
    m_guidEdit->setText(createGuid());
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(m_guidEdit->text());
}

void DlgGuid::createWidgets()
{
    m_guidEdit = new QLineEdit(createGuid(), m_body);
    m_guidEdit->setReadOnly(true);
    m_guidEdit->setMinimumWidth(260);
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::guid(), m_body), m_guidEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgGuid::createButtons()
{
    DlgBase::createButtons();
    m_okButton->setText(LocaleDialog::accept());
    m_createButton = new QPushButton(LocaleDialog::createAndCopy(), this);
    connect(m_createButton, &QPushButton::clicked, this, &DlgGuid::slotCreateAndCopy);
    m_buttonLayout->insertWidget(0, m_createButton);
}

} // namespace Vexal
