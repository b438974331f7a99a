#include "automation/DlgFormFiller.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace Vexal {

DlgFormFiller::DlgFormFiller(QWidget* parent)
    : DlgBase(parent)
{
}

QString DlgFormFiller::header() const
{
    const QString text = m_headerEdit ? m_headerEdit->text() : QString();
    return text.isEmpty() ? LocaleDialog::untitled() : text;
}

QString DlgFormFiller::data() const
{
    return m_dataEdit ? m_dataEdit->toPlainText() : QString();
}

void DlgFormFiller::createWidgets()
{
    m_headerEdit = new QLineEdit(body);
    m_headerEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::header(), body), m_headerEdit);

    m_dataEdit = UtilGui::createPlainTextEdit(body);
    m_dataEdit->setSizePolicy(QSizePolicy::Expanding, m_dataEdit->sizePolicy().verticalPolicy());
    m_dataEdit->setMaximumHeight(100);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::data(), body), m_dataEdit);
}

} // namespace Vexal
