#include "sites/DlgGenerated.h"

#include "core/Logger.h"
#include "widgets/UtilFieldWidth.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace Vexal {

DlgGenerated::DlgGenerated(QString (*label)(), QString (*make)(), const QString& alphabet, QWidget* parent)
    : DlgBase(parent)
    , m_label(label)
    , m_make(make)
    , m_alphabet(alphabet)
{
}

QString DlgGenerated::text() const
{
    return m_textEdit ? m_textEdit->text() : QString();
}

void DlgGenerated::slotCreateAndCopy()
{
    Logger::setContext(className(), LocaleDialog::createAndCopy());
    m_textEdit->setText(m_make());
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(m_textEdit->text());
}

void DlgGenerated::createWidgets()
{
    m_textEdit = new QLineEdit(m_make(), m_body);
    m_textEdit->setReadOnly(true);
    m_textEdit->setMinimumWidth(
        UtilFieldWidth::forText(m_textEdit, UtilFieldWidth::widestOfShape(m_textEdit, m_textEdit->text(), m_alphabet)));
    addRow(m_label(), m_textEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgGenerated::createButtons()
{
    DlgBase::createButtons();
    m_okButton->setText(LocaleDialog::accept());
    m_createButton = new QPushButton(LocaleDialog::createAndCopy(), this);
    connect(m_createButton, &QPushButton::clicked, this, &DlgGenerated::slotCreateAndCopy);
    m_buttonLayout->insertWidget(0, m_createButton);
}

} // namespace Vexal
