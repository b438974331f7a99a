#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;

namespace Vexal {

// Adds or edits one URL shortcut: name, shortcut and address. An empty
// shortcut reads back as "a", an empty address as the default home page.
class DlgUrlShortcut final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // What an empty Shortcut field stands for.
    static QString shortcutStandIn();

    QString name() const;
    QString shortcut() const;
    QString url() const;
    void setName(const QString& name);
    void setShortcut(const QString& shortcut);
    void setUrl(const QString& url);
    // The stored shortcut being edited (-1: a new one); its own shortcut text
    // is no clash.
    void setRecordId(qint64 id) { m_recordId = id; }

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* shortcutEdit() const { return m_shortcut; }
    QLineEdit* urlEdit() const { return m_url; }

protected:
    void createWidgets() override;
    // Refuses a shortcut text that another stored shortcut has: the location
    // bar would only ever load the first of the two.
    bool validate() override;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_shortcut = nullptr;
    QLineEdit* m_url = nullptr;
    qint64 m_recordId = -1;
};

} // namespace Vexal
