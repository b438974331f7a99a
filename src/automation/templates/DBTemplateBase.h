#pragma once

#include "data/DBBase.h"

#include <initializer_list>
#include <QStringList>

namespace Vexal {

// A template row: the website it belongs to and one selector text per field
// of that website's form, in the table's column order after WebsiteID.
class DBTemplateBase : public DBBase
{
    Q_OBJECT
public:
    static constexpr int selectorLimit = 128;
    using Column = QString (*)(bool);

    const DBFields& fields() const override;
    // Copies only from a record of the same kind.
    void assign(const DBBase* source) override;

    qint64 websiteId() const { return m_websiteId; }
    void setWebsiteId(qint64 websiteId) { change(m_websiteId, websiteId); }

    // The base fields, WebsiteID and one selector text per column, in order.
    static DBFields templateFields(std::initializer_list<Column> columns);

protected:
    // A kind hands in its table, made once by templateFields().
    DBTemplateBase(const DBFields& fields, QObject* parent);

    QString selector(int field) const { return m_selectors.at(field); }
    // Cut to selectorLimit characters.
    void setSelector(int field, const QString& value);

private:
    const DBFields& m_fields;
    QStringList m_selectors;
    qint64 m_websiteId = -1;
};

} // namespace Vexal
