#include "automation/submit/DlgFormFiller.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
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
    addRow(LocaleDialog::header(), m_headerEdit);

    m_dataEdit = UtilGui::createPlainTextEdit(m_body);
    m_dataEdit->setSizePolicy(QSizePolicy::Expanding, m_dataEdit->sizePolicy().verticalPolicy());
    m_dataEdit->setMaximumHeight(100);
    addRow(LocaleDialog::data(), m_dataEdit);
}

} // namespace Vexal
