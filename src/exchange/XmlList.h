#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QSqlQuery;

namespace Vexal {

class XmlBase;

// All rows of one record kind as Xml objects, for export. The kinds are
// numbered by their type codes 1 to 27 (0 is "Undef"); the static table
// functions are shared by the export menu, the export and the import.
class XmlList : public QObject
{
    Q_OBJECT
public:
    enum { CodeUndef = 0, CodeFirst = 1, CodeUrlShortcut = 3, CodeLast = 27 };

    explicit XmlList(int typeCode, QObject* parent = nullptr);

    int typeCode() const { return m_typeCode; }
    int count() const { return m_items.count(); }
    XmlBase* at(int index) const { return m_items.at(index); }
    QString fileName() const;
    QString tableName() const;
    QString errorText() const { return m_errorText; }

    XmlBase* createItem();
    void clear();
    QString selectText() const;
    bool load();
    // Like load(), but hands each row to `visit` as it is read instead of
    // keeping it: one Xml object is filled row after row. `visit` returns
    // false to stop (scan() then returns false, errorText() empty).
    bool scan(const std::function<bool(XmlBase*)>& visit);

    // A new Xml object of the kind, or null for a code outside 1 to 27.
    static XmlBase* create(int typeCode, QObject* parent);
    // The table name of a code ("" outside 1 to 27).
    static QString tableOfCode(int typeCode);
    // The name that fills "Export %1": "Undef" for 0, "" outside 0 to 27.
    static QString titleOfCode(int typeCode);
    // The first code whose table name equals the name ignoring case; 0 when none.
    static int codeOfTable(const QString& table);

private:
    // Makes the prototype, empties the list and runs selectText() on the
    // query; false with the error text set.
    bool runSelect(QSqlQuery& query, QString* text);

    int m_typeCode;
    QList<XmlBase*> m_items;
    XmlBase* m_prototype = nullptr;
    QString m_errorText;
};

} // namespace Vexal
