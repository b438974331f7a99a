#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "UrlShortcut": a short word typed in the location bar in place
// of the address it stands for. The name describes the shortcut.
class DBUrlShortcut final : public DBBase
{
    Q_OBJECT
public:
    static constexpr int shortcutLimit = 128;
    static constexpr int urlLimit = 1024;

    explicit DBUrlShortcut(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    QString shortcut() const { return m_shortcut; }
    QString url() const { return m_url; }

    void setShortcut(const QString& shortcut);
    void setUrl(const QString& url);

private:
    QString m_shortcut;
    QString m_url;
};

} // namespace Vexal
