#include "sites/DlgPassword.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Vexal {

void DlgPassword::setInfo(const QString& label, const QString& value)
{
    if (!m_infoLabel)
        return;
    m_infoLabel->setText(label);
    m_infoEdit->setText(value);
    m_infoLabel->show();
    m_infoEdit->show();
}

QString DlgPassword::password() const
{
    return m_passwordEdit ? m_passwordEdit->text() : QString();
}

void DlgPassword::createWidgets()
{
    m_infoLabel = new QLabel(m_body);
    m_infoLabel->hide();
    m_infoEdit = new QLineEdit(m_body);
    m_infoEdit->setReadOnly(true);
    m_infoEdit->hide();
    m_passwordLabel = new QLabel(LocaleDialog::password(), m_body);
    m_passwordEdit = new QLineEdit(m_body);
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(m_passwordEdit, &QLineEdit::returnPressed, this, &DlgPassword::slotAccept);

    UtilGui::addRow(m_formLayout, m_infoLabel, m_infoEdit);
    UtilGui::addRow(m_formLayout, m_passwordLabel, m_passwordEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

} // namespace Vexal
