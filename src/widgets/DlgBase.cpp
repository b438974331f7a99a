#include "widgets/DlgBase.h"

#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilPrompt.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Vexal {

DlgBase::DlgBase(QWidget* parent)
    : QDialog(parent)
{
}

void DlgBase::build(QObject* argument)
{
    this->m_argument = argument;
    setupWindow();
    create();
}

void DlgBase::dismiss()
{
    reject();
}

void DlgBase::dismissOpenDialogs()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (auto* box = qobject_cast<QMessageBox*>(window))
            box->done(PromptHook::safeAnswer(box->standardButtons()));
        else if (auto* own = qobject_cast<DlgBase*>(window))
            own->dismiss();
        else if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
    }
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
    m_mainLayout = UtilGui::createVBoxLayout(this);
}

void DlgBase::createBody()
{
    m_body = new QWidget(this);
    m_formLayout = UtilGui::createGridLayout(m_body);
    m_mainLayout->addWidget(m_body);
}

void DlgBase::createWidgets()
{
}

void DlgBase::createButtonBar()
{
    m_buttonBar = new QWidget(this);
    m_buttonLayout = UtilGui::createHBoxLayout(m_buttonBar);
    m_mainLayout->addStretch();
    m_mainLayout->addWidget(m_buttonBar);
}

void DlgBase::createButtons()
{
    m_okButton = new QPushButton(LocaleDialog::ok(), this);
    m_okButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    connect(m_okButton, &QPushButton::clicked, this, &DlgBase::slotAccept);
    m_cancelButton = new QPushButton(LocaleDialog::cancel(), this);
    m_cancelButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    connect(m_cancelButton, &QPushButton::clicked, this, &DlgBase::slotReject);
    m_buttonLayout->addStretch();
    m_buttonLayout->addWidget(m_okButton);
    m_buttonLayout->addWidget(m_cancelButton);
}

void DlgBase::connectWidgets()
{
}

bool DlgBase::validate()
{
    return true;
}

void DlgBase::addRow(const QString& label, QWidget* field)
{
    UtilGui::addRow(m_formLayout, new QLabel(label, m_body), field);
}

void DlgBase::fitToContents()
{
    UtilGui::fitWindow(this);
}

void DlgBase::showEvent(QShowEvent* event)
{
    // Before the window is mapped: it appears at its size.
    fitToContents();
    QDialog::showEvent(event);
}

QString DlgBase::className() const
{
    return QString::fromLatin1(metaObject()->className());
}

} // namespace Vexal
