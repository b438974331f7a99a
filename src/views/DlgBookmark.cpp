#include "views/DlgBookmark.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleBookmark.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Vexal {

void DlgBookmark::createWidgets()
{
    titleLabel = new QLabel(LocaleBookmark::title(), m_body);
    titleEdit = new QLineEdit(m_body);
    UtilGui::addRow(m_formLayout, titleLabel, titleEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgBookmark::setTitle(const QString& title)
{
    titleEdit->setText(title);
    titleEdit->setCursorPosition(0);
}

QString DlgBookmark::title() const
{
    return titleEdit->text();
}

} // namespace Vexal
