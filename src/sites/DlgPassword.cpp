#include "sites/DlgPassword.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Vexal {

DlgPassword::DlgPassword(QWidget* parent)
    : DlgBase(parent)
{
}

void DlgPassword::setInfo(const QString& label, const QString& value)
{
    if (!infoLabel)
        return;
    infoLabel->setText(label);
    infoEdit->setText(value);
    infoLabel->show();
    infoEdit->show();
}

QString DlgPassword::password() const
{
    return passwordEdit ? passwordEdit->text() : QString();
}

void DlgPassword::createWidgets()
{
    infoLabel = new QLabel(body);
    infoLabel->hide();
    infoEdit = new QLineEdit(body);
    infoEdit->setReadOnly(true);
    infoEdit->hide();
    passwordLabel = new QLabel(LocaleDialog::password(), body);
    passwordEdit = new QLineEdit(body);
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(passwordEdit, &QLineEdit::returnPressed, this, &DlgPassword::slotAccept);

    UtilGui::addRow(formLayout, infoLabel, infoEdit);
    UtilGui::addRow(formLayout, passwordLabel, passwordEdit);
    UtilGui::stretchLastRow(formLayout);
}

} // namespace Vexal
