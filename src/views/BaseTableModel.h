#pragma once

#include <QSqlTableModel>
#include <QVector>

namespace Vexal {

// The SQL model of a record table. Columns can be marked with a display kind:
// bool columns show a check mark and no text, date and date-time columns a
// fixed, locale-free form, and an icon column draws the picture bytes held
// in the column to its left. Rows are fetched in chunks as the view scrolls.
//
// While rows are left to fetch, the model's statement stays open, and in a
// file with a write-ahead log an open statement holds its connection to what
// was stored when it began. So in such a file the model reads on a
// connection of its own, and every select ends the last statement first:
// the window's connection, and the model's next select, read what jobs have
// stored since. (In a file without the log, readers and writers take turns
// and the model shares the window's connection.)
class BaseTableModel final : public QSqlTableModel
{
    Q_OBJECT
public:
    // On the calling thread's connection (the default one on the GUI thread),
    // or on a connection of its own to that file (see above).
    explicit BaseTableModel(QObject* parent = nullptr);
    ~BaseTableModel() override;

    bool select() override;

    void addBoolColumn(int column);
    void addIconColumn(int column);
    void addDateColumn(int column);
    void addDateTimeColumn(int column);

    bool isBoolColumn(int column) const { return hasKind(column, Bool); }
    bool isIconColumn(int column) const { return hasKind(column, Icon); }
    bool isDateColumn(int column) const { return hasKind(column, Date); }
    bool isDateTimeColumn(int column) const { return hasKind(column, DateTime); }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Re-selects in the new order; a rejected statement is reported.
    void sort(int column, Qt::SortOrder order) override;

    // Makes the text the model's filter and selects once. False when the
    // database rejects the statement; the model is then empty and the next
    // call selects again (QSqlTableModel::setFilter alone would not).
    bool selectWhere(const QString& where);
    // The SELECT the model runs (for error reports).
    QString statementText() const { return selectStatement(); }
    // Logs the failed statement with the database's message and shows the
    // unexpected-error notice.
    void reportSelectError() const;

private:
    enum Kind : quint8 { Bool = 1, Icon = 2, Date = 4, DateTime = 8 };

    void addKind(int column, Kind kind);
    bool hasKind(int column, Kind kind) const
    {
        return column >= 0 && column < m_kinds.size() && (m_kinds.at(column) & kind);
    }

    QVector<quint8> m_kinds;
};

} // namespace Vexal
