#include "views/DlgUrlShortcut.h"

#include "core/ConstApp.h"
#include "data/DBUrlShortcut.h"
#include "data/DBUrlShortcutList.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleUrlShortcut.h"
#include "views/UtilReport.h"

#include <QGridLayout>
#include <QLineEdit>

namespace Vexal {

void DlgUrlShortcut::createWidgets()
{
    m_name = new QLineEdit(m_body);
    addRow(LocaleDialog::name(), m_name);
    m_shortcut = new QLineEdit(m_body);
    addRow(LocaleDialog::shortcut(), m_shortcut);
    m_url = new QLineEdit(LocaleDialog::urlPrefix(), m_body);
    addRow(LocaleDialog::url(), m_url);
    UtilGui::stretchLastRow(m_formLayout);
}

QString DlgUrlShortcut::name() const
{
    return m_name ? m_name->text() : QString();
}

QString DlgUrlShortcut::shortcutStandIn()
{
    return QStringLiteral("a");
}

QString DlgUrlShortcut::shortcut() const
{
    const QString text = m_shortcut ? m_shortcut->text() : QString();
    return text.isEmpty() ? shortcutStandIn() : text;
}

QString DlgUrlShortcut::url() const
{
    const QString text = m_url ? m_url->text() : QString();
    return text.isEmpty() ? ConstApp::homeUrl() : text;
}

bool DlgUrlShortcut::validate()
{
    const QString text = shortcut();
    DBUrlShortcutList stored;
    if (!stored.load()) {
        UtilReport::errorBox(this, stored.errorText(), stored.failureCause());
        return false;
    }
    for (int i = 0; i < stored.count(); ++i) {
        const DBUrlShortcut* other = stored.at(i);
        if (other && other->id() != m_recordId && other->shortcut() == text) {
            // An empty field is taken for its stand-in: name the letter the
            // user never typed, and say where it comes from.
            const bool empty = m_shortcut && m_shortcut->text().isEmpty();
            UtilGui::warning(this, empty ? LocaleUrlShortcut::emptyShortcutInUse(text)
                                         : LocaleUrlShortcut::shortcutInUse(text));
            if (m_shortcut) {
                m_shortcut->setFocus(Qt::OtherFocusReason);
                m_shortcut->selectAll();
            }
            return false;
        }
    }
    return true;
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
