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
    return guidEdit ? guidEdit->text() : QString();
}

QString DlgGuid::createGuid()
{
    return QUuid::createUuid().toString().toUpper();
}

void DlgGuid::slotCreateAndCopy()
{
    Logger::setContext(className(), LocaleDialog::createAndCopy());
    guidEdit->setText(createGuid());
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(guidEdit->text());
}

void DlgGuid::createWidgets()
{
    guidEdit = new QLineEdit(createGuid(), body);
    guidEdit->setReadOnly(true);
    guidEdit->setMinimumWidth(260);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::guid(), body), guidEdit);
    UtilGui::stretchLastRow(formLayout);
}

void DlgGuid::createButtons()
{
    DlgBase::createButtons();
    okButton->setText(LocaleDialog::accept());
    createButton = new QPushButton(LocaleDialog::createAndCopy(), this);
    connect(createButton, &QPushButton::clicked, this, &DlgGuid::slotCreateAndCopy);
    buttonLayout->insertWidget(0, createButton);
}

} // namespace Vexal
