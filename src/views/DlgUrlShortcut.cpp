#include "views/DlgUrlShortcut.h"

#include "core/ConstApp.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Vexal {

DlgUrlShortcut::DlgUrlShortcut(QWidget* parent)
    : DlgBase(parent)
{
}

void DlgUrlShortcut::createWidgets()
{
    m_name = new QLineEdit(body);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::name(), body), m_name);
    m_shortcut = new QLineEdit(body);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::shortcut(), body), m_shortcut);
    m_url = new QLineEdit(LocaleDialog::urlPrefix(), body);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::url(), body), m_url);
    UtilGui::stretchLastRow(formLayout);
}

QString DlgUrlShortcut::name() const
{
    return m_name ? m_name->text() : QString();
}

QString DlgUrlShortcut::shortcut() const
{
    const QString text = m_shortcut ? m_shortcut->text() : QString();
    return text.isEmpty() ? QStringLiteral("a") : text;
}

QString DlgUrlShortcut::url() const
{
    const QString text = m_url ? m_url->text() : QString();
    return text.isEmpty() ? ConstApp::homeUrl() : text;
}

void DlgUrlShortcut::setName(const QString& name)
{
    if (m_name)
        m_name->setText(name);
}

void DlgUrlShortcut::setShortcut(const QString& shortcut)
{
    if (m_shortcut)
        m_shortcut->setText(shortcut);
}

void DlgUrlShortcut::setUrl(const QString& url)
{
    if (m_url)
        m_url->setText(url);
}

} // namespace Vexal
