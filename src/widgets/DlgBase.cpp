#include "widgets/DlgBase.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vexal {

DlgBase::DlgBase(QWidget* parent)
    : QDialog(parent)
{
}

void DlgBase::build(QObject* argument)
{
    this->argument = argument;
    setupWindow();
    create();
}

void DlgBase::slotAccept()
{
    Logger::setContext(className(), LocaleDialog::accept());
    if (validate())
        accept();
}

void DlgBase::slotReject()
{
    Logger::setContext(className(), LocaleDialog::reject());
    reject();
}

void DlgBase::setupWindow()
{
    setWindowTitle(ConstApp::title());
    setWindowIcon(QIcon(ConstIcon::appIcon()));
}

void DlgBase::create()
{
    createLayout();
    createBody();
    createWidgets();
    createButtonBar();
    createButtons();
    connectWidgets();
}

void DlgBase::createLayout()
{
    mainLayout = UtilGui::createVBoxLayout(this);
}

void DlgBase::createBody()
{
    body = new QWidget(this);
    formLayout = UtilGui::createGridLayout(body);
    mainLayout->addWidget(body);
}

void DlgBase::createWidgets()
{
}

void DlgBase::createButtonBar()
{
    buttonBar = new QWidget(this);
    buttonLayout = UtilGui::createHBoxLayout(buttonBar);
    mainLayout->addStretch();
    mainLayout->addWidget(buttonBar);
}

void DlgBase::createButtons()
{
    okButton = new QPushButton(LocaleDialog::ok(), this);
    okButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    connect(okButton, &QPushButton::clicked, this, &DlgBase::slotAccept);
    cancelButton = new QPushButton(LocaleDialog::cancel(), this);
    cancelButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    connect(cancelButton, &QPushButton::clicked, this, &DlgBase::slotReject);
    buttonLayout->addStretch();
    buttonLayout->addWidget(okButton);
    buttonLayout->addWidget(cancelButton);
}

void DlgBase::connectWidgets()
{
}

bool DlgBase::validate()
{
    return true;
}

QString DlgBase::className() const
{
    return QString::fromLatin1(metaObject()->className());
}

} // namespace Vexal
