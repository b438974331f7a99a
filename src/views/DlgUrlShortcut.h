#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;

namespace Vexal {

// Adds or edits one URL shortcut: name, shortcut and address. An empty
// shortcut reads back as "a", an empty address as the default home page.
class DlgUrlShortcut : public DlgBase
{
    Q_OBJECT
public:
    explicit DlgUrlShortcut(QWidget* parent = nullptr);

    QString name() const;
    QString shortcut() const;
    QString url() const;
    void setName(const QString& name);
    void setShortcut(const QString& shortcut);
    void setUrl(const QString& url);

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* shortcutEdit() const { return m_shortcut; }
    QLineEdit* urlEdit() const { return m_url; }

protected:
    void createWidgets() override;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_shortcut = nullptr;
    QLineEdit* m_url = nullptr;
};

} // namespace Vexal
