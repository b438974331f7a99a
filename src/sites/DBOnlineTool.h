#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "OnlineTool": an entry of the Online Tools menu (its Name) with
// the address it opens; Line orders the menu.
class DBOnlineTool final : public DBBase
{
    Q_OBJECT
public:
    static constexpr int urlLimit = 1024;

    explicit DBOnlineTool(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    QString url() const { return m_url; }
    int line() const { return m_line; }

    void setUrl(const QString& url);
    void setLine(int line);

private:
    QString m_url;
    int m_line = 0;
};

} // namespace Vexal
