#include "sites/DlgUrlInfo.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLineEdit>

namespace Vexal {

namespace {

QString textOf(const QLineEdit* edit)
{
    return edit ? edit->text() : QString();
}

} // namespace

void DlgUrlInfo::setUrl(const QUrl& url)
{
    if (!m_schemeEdit)
        return;
    m_schemeEdit->setText(url.scheme());
    m_userInfoEdit->setText(url.userInfo());
    m_hostEdit->setText(url.host());
    m_portEdit->setText(url.port() < 0 ? QString() : QString::number(url.port()));
    m_pathEdit->setText(url.path());
    m_fragmentEdit->setText(url.fragment());
}

QString DlgUrlInfo::schemeText() const { return textOf(m_schemeEdit); }
QString DlgUrlInfo::userInfoText() const { return textOf(m_userInfoEdit); }
QString DlgUrlInfo::hostText() const { return textOf(m_hostEdit); }
QString DlgUrlInfo::portText() const { return textOf(m_portEdit); }
QString DlgUrlInfo::pathText() const { return textOf(m_pathEdit); }
QString DlgUrlInfo::fragmentText() const { return textOf(m_fragmentEdit); }

QLineEdit* DlgUrlInfo::addField(const QString& label)
{
    QLineEdit* edit = new QLineEdit(m_body);
    edit->setReadOnly(true);
    edit->setMinimumWidth(300);
    addRow(label, edit);
    return edit;
}

void DlgUrlInfo::createWidgets()
{
    m_schemeEdit = addField(LocaleDialog::scheme());
    m_userInfoEdit = addField(LocaleDialog::userInfo());
    m_hostEdit = addField(LocaleDialog::host());
    m_portEdit = addField(LocaleDialog::port());
    m_pathEdit = addField(LocaleDialog::path());
    m_fragmentEdit = addField(LocaleDialog::fragment());
    UtilGui::stretchLastRow(m_formLayout);
}

} // namespace Vexal
