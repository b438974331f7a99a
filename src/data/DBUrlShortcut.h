#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One row of "UrlShortcut": a short word typed in the location bar in place
// of the address it stands for. The name describes the shortcut.
class DBUrlShortcut final : public DBKind<DBUrlShortcut, &DBSql::tableUrlShortcut, &LocaleSql::tableUriShortcuts>
{
    Q_OBJECT
public:
    static constexpr int shortcutLimit = 128;
    static constexpr int urlLimit = 1024;

    using DBKind::DBKind;

    const DBFields& fields() const override;

    QString shortcut() const { return m_shortcut; }
    QString url() const { return m_url; }

    void setShortcut(const QString& shortcut) { change(m_shortcut, shortcut, shortcutLimit); }
    void setUrl(const QString& url) { change(m_url, url, urlLimit); }

private:
    QString m_shortcut;
    QString m_url;
};

} // namespace Vexal
