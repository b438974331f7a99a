#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QSqlQuery;

namespace Vexal {

class DBBase;

// Base of every list of records: loads the rows of one table that match a
// condition (one SELECT built from the prototype record, whereText and
// orderText) and owns them. Values that come from users or pages are never
// written into whereText: the list writes placeholders (":HostPattern") and
// binds the values in bindWhere.
class DBListBase : public QObject
{
    Q_OBJECT
public:
    explicit DBListBase(QObject* parent = nullptr);
    ~DBListBase() override;

    virtual QString selectText() const;
    virtual QString deleteText(const QString& table, const QList<qint64>& ids) const;
    virtual QString whereText() const;
    virtual QString orderText() const;
    // Binds the placeholders of whereText/orderText; the base binds nothing.
    virtual void bindWhere(QSqlQuery& query) const;

    // No range check: callers test count() first.
    DBBase* at(int index) const { return m_records.at(index); }
    int count() const { return m_records.size(); }
    QString errorText() const { return m_errorText; }
    // As DBBase::failureCause, for the list's last failure.
    QString failureCause() const { return m_failureCause; }
    bool contains(qint64 id) const;

    void clear();
    bool load();
    // As load, but stops at the first row the select gives: a look-up of one
    // record reads no further than that row.
    bool loadFirst();
    bool hasRows();
    // Prepares and executes a statement (nothing bound).
    bool exec(const QString& statement);
    bool deleteRows(const QString& table, const QList<qint64>& ids);
    bool saveAll();
    bool removeAll();
    void sortByName();

    // Adds a record at the end; the list becomes its parent and owner.
    void append(DBBase* record);

    DBBase* prototype() const { return m_prototype; }
    int filterMode() const { return m_filterMode; }
    const QList<DBBase*>& records() const { return m_records; }

protected:
    // Gives a record that the list makes itself (firstOrCreate) the values
    // its filter selects by; the base gives none.
    virtual void fillNew(DBBase* record) const;
    // Takes ownership of the prototype (the list becomes its parent).
    void setPrototype(DBBase* prototype);
    void setFilterMode(int mode) { m_filterMode = mode; }
    void setErrorText(const QString& text)
    {
        m_errorText = text;
        m_failureCause.clear();
    }

private:
    // The statement failed: its error text and cause.
    void failed(const QString& text, const QSqlQuery& query);

    // Prepares the select, binds the WHERE values, executes; false on failure.
    bool runSelect(QSqlQuery& query, const QString& text);
    // Loads the rows of the select, at most `most` of them when it is not
    // negative.
    bool loadRows(int most);

    DBBase* m_prototype = nullptr;
    QList<DBBase*> m_records;
    QString m_errorText;
    QString m_failureCause;
    int m_filterMode = 0;
};

} // namespace Vexal
