#include "sites/DlgUrlInfo.h"

#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Vexal {

namespace {

QString textOf(const QLineEdit* edit)
{
    return edit ? edit->text() : QString();
}

} // namespace

DlgUrlInfo::DlgUrlInfo(QWidget* parent)
    : DlgBase(parent)
{
}

void DlgUrlInfo::setUrl(const QUrl& url)
{
    if (!schemeEdit)
        return;
    schemeEdit->setText(url.scheme());
    userInfoEdit->setText(url.userInfo());
    hostEdit->setText(url.host());
    portEdit->setText(url.port() < 0 ? QString() : QString::number(url.port()));
    pathEdit->setText(url.path());
    fragmentEdit->setText(url.fragment());
}

QString DlgUrlInfo::schemeText() const { return textOf(schemeEdit); }
QString DlgUrlInfo::userInfoText() const { return textOf(userInfoEdit); }
QString DlgUrlInfo::hostText() const { return textOf(hostEdit); }
QString DlgUrlInfo::portText() const { return textOf(portEdit); }
QString DlgUrlInfo::pathText() const { return textOf(pathEdit); }
QString DlgUrlInfo::fragmentText() const { return textOf(fragmentEdit); }

QLineEdit* DlgUrlInfo::addField(const QString& label)
{
    QLineEdit* edit = new QLineEdit(body);
    edit->setReadOnly(true);
    edit->setMinimumWidth(300);
    UtilGui::addRow(formLayout, new QLabel(label, body), edit);
    return edit;
}

void DlgUrlInfo::createWidgets()
{
    schemeEdit = addField(LocaleDialog::scheme());
    userInfoEdit = addField(LocaleDialog::userInfo());
    hostEdit = addField(LocaleDialog::host());
    portEdit = addField(LocaleDialog::port());
    pathEdit = addField(LocaleDialog::path());
    fragmentEdit = addField(LocaleDialog::fragment());
    UtilGui::stretchLastRow(formLayout);
}

} // namespace Vexal
