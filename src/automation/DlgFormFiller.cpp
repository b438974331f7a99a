#include "automation/DlgFormFiller.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace Vexal {

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
    m_headerEdit = new QLineEdit(m_body);
    m_headerEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::header(), m_body), m_headerEdit);

    m_dataEdit = UtilGui::createPlainTextEdit(m_body);
    m_dataEdit->setSizePolicy(QSizePolicy::Expanding, m_dataEdit->sizePolicy().verticalPolicy());
    m_dataEdit->setMaximumHeight(100);
    UtilGui::addRow(m_formLayout, new QLabel(LocaleDialog::data(), m_body), m_dataEdit);
}

} // namespace Vexal
