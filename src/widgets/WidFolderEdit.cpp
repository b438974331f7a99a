#include "widgets/WidFolderEdit.h"

#include "data/UtilFileDialog.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleWidgets.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace Vexal {

WidFolderEdit::WidFolderEdit(QWidget* parent)
    : QWidget(parent)
{
}

void WidFolderEdit::init()
{
    if (m_edit)
        return;
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this, 0, 2);
    m_edit = new QLineEdit(this);
    m_edit->setReadOnly(true);
    m_button = new QToolButton(this);
    m_button->setText(QStringLiteral("..."));
    m_button->setToolTip(LocaleWidgets::selectFolder());
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &WidFolderEdit::slotBrowse);
}

QString WidFolderEdit::folder() const
{
    return m_edit ? m_edit->text() : QString();
}

void WidFolderEdit::setFolder(const QString& folder)
{
    init();
    m_edit->setText(folder);
    m_edit->setCursorPosition(0);
}

void WidFolderEdit::slotBrowse()
{
    init();
    const QString chosen = UtilFileDialog::getExistingDirectory(this, false);
    if (chosen.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(chosen);
    if (shown == m_edit->text())
        return;
    setFolder(shown);
    emit onFolderChanged();
}

} // namespace Vexal
