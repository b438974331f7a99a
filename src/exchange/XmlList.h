#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QSqlQuery;

namespace Vexal {

class XmlBase;

// All rows of one record kind (a type code of RecordKinds) as Xml objects,
// for export.
class XmlList : public QObject
{
    Q_OBJECT
public:
    explicit XmlList(int typeCode, QObject* parent = nullptr);

    int typeCode() const { return m_typeCode; }
    int count() const { return m_items.count(); }
    XmlBase* at(int index) const { return m_items.at(index); }
    QString fileName() const;
    QString tableName() const;
    QString errorText() const { return m_errorText; }
    // What the user can act on in scan()'s failure (a locked database, say);
    // "" otherwise.
    QString failureCause() const { return m_failureCause; }

    XmlBase* createItem();
    void clear();
    QString selectText() const;
    bool load();
    // Like load(), but hands each row to `visit` as it is read instead of
    // keeping it: one Xml object is filled row after row. `visit` returns
    // false to stop (scan() then returns false, errorText() empty).
    bool scan(const std::function<bool(XmlBase*)>& visit);

private:
    // The kind's record for its table and columns; false with the error text set.
    bool makePrototype();
    // Makes the prototype, empties the list and runs selectText() on the
    // query; false with the error text set.
    bool runSelect(QSqlQuery& query, QString* text);

    int m_typeCode;
    QList<XmlBase*> m_items;
    XmlBase* m_prototype = nullptr;
    QString m_errorText;
    QString m_failureCause;
};

} // namespace Vexal
