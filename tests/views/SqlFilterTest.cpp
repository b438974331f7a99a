#include "TestDatabase.h"
#include "TestRunner.h"

#include "data/DBColumn.h"
#include "data/DBColumnList.h"
#include "core/DBSql.h"
#include "views/SqlFilter.h"
#include "views/SqlFilterCollection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTest>

using Vexal::SqlFilter;
using Vexal::SqlFilterCollection;

namespace {

SqlFilter* makeFilter(QObject* parent, int type, int op, const QString& column, const QVariant& value)
{
    auto* filter = new SqlFilter(parent);
    filter->setType(type);
    filter->setOperator(op);
    filter->setColumn(column);
    filter->setValue(value);
    filter->setEnabled(true);
    return filter;
}

// Names of the History rows that the table model shows under the WHERE text.
QStringList namesUnder(const QString& where, QString* error)
{
    QSqlTableModel model;
    model.setTable(Vexal::DBSql::tableHistory());
    model.setFilter(where);
    const bool ok = model.select();
    *error = ok ? QString() : model.lastError().text();
    while (model.canFetchMore())
        model.fetchMore();
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.record(row).value(Vexal::DBSql::colName()).toString();
    names.sort();
    return names;
}

} // namespace

class SqlFilterTest : public QObject
{
    Q_OBJECT
private slots:
    // Each kind and operator gives its condition; a value never leaves its
    // literal (quotes doubled, a NUL matched whole, numbers from numbers only).
    void conditionTexts()
    {
        const struct { int type; int op; const char* column; QVariant value; QString expected; } cases[] = {
            {0, 3, "Name", "abc", "Name like 'abc%'"},
            {0, 0, "Name", "abc", "Name = 'abc'"},
            {6, 2, "URL", "shop", "URL like '%shop%'"}, // the second text kind
            {0, 4, "Name", "x", "Name like '%x'"},
            {0, 2, "Name", "a%b_c", "Name like '%a%b_c%'"}, // user wildcards kept
            {0, 0, "Name", "O'Brien", "Name = 'O''Brien'"},
            {0, 2, "Name", "x' UNION SELECT 1 --", "Name like '%x'' UNION SELECT 1 --%'"},
            {0, 1, "Name", QStringLiteral("Привет"), QStringLiteral("Name <> 'Привет'")},
            {0, 3, "Name", QString(QString("a") + QChar(0) + "b"), "instr(lower(Name), lower('a'||char(0)||'b')) = 1"},
            {5, 0, "Visible", true, "Visible = 1"},
            {1, 5, "ID", "5 OR 1=1", "ID > 0"},
            {1, 8, "ID", 42, "ID <= 42"},
            {2, 7, "Rank", 2.5, "Rank < 2.5"},
            {2, 5, "Rank", qInf(), "Rank > 0"},
            {2, 0, "Rank", 1234567.0, "Rank = 1.23457e+06"},
            {3, 6, "CreateDate", QDate(2024, 3, 1), "CreateDate >= '2024-03-01'"},
            {4, 0, "CreateDate", QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9)), "CreateDate = '2024-03-01T14:05:09'"},
            {3, 0, "CreateDate", "junk", "CreateDate = ''"},
            {0, 9, "Name", "a", "Name  'a'"}, // unknown operator
            {7, 0, "Name", "a", "Name = "},   // unknown kind
        };
        QObject owner;
        for (const auto& c : cases)
            QCOMPARE(makeFilter(&owner, c.type, c.op, QString::fromLatin1(c.column), c.value)->conditionText(), c.expected);
    }

    void whereTextJoinsFixedFirst()
    {
        SqlFilterCollection filters;
        QCOMPARE(filters.whereText(), QString());

        SqlFilter* name = makeFilter(&filters, 0, 2, "Name", "shop");
        SqlFilter* id = makeFilter(&filters, 1, 6, "ID", 3);
        id->setEnabled(false);
        filters.addFilter(name);
        filters.addFilter(id);
        QCOMPARE(filters.whereText(), QStringLiteral("Name like '%shop%'"));

        filters.addFixedFilter(makeFilter(&filters, 1, 1, "(Type & 4)", 0));
        QCOMPARE(filters.whereText(), QStringLiteral("(Type & 4) <> 0 AND Name like '%shop%'"));
        id->setEnabled(true);
        QCOMPARE(filters.whereText(), QStringLiteral("(Type & 4) <> 0 AND Name like '%shop%' AND ID >= 3"));

        filters.disableFilters();
        QCOMPARE(filters.whereText(), QStringLiteral("(Type & 4) <> 0"));
        filters.disableFixedFilters();
        QCOMPARE(filters.whereText(), QString());
    }

    void columnFiltersFollowTheLayout()
    {
        SqlFilterCollection filters;
        Vexal::DBColumnList columns(QStringLiteral("{test}"));
        const struct { const char* name; int kind; bool inFilter; } layout[] = {
            {"Title", 0, true}, {"ID", 1, true}, {"Icon", 8, true}, {"Secret", 0, false},
            {"Raw", 7, true},   {"URL", 6, true}, {"Visible", 5, true}, {"CreateDate", 4, true},
        };
        for (const auto& entry : layout) {
            auto* column = new Vexal::DBColumn;
            column->setName(QString::fromLatin1(entry.name));
            column->setHeader(QString::fromLatin1(entry.name).toUpper());
            column->setType(entry.kind);
            column->setVisibleInFilter(entry.inFilter);
            columns.append(column);
        }
        filters.addColumnFilters(&columns);

        QStringList seen;
        for (int i = 0; i < filters.count(); ++i) {
            const SqlFilter* f = filters.filterAt(i);
            seen << QStringLiteral("%1:%2:%3").arg(f->column()).arg(f->type()).arg(f->operatorCode());
            QVERIFY(!f->isEnabled());
            QCOMPARE(f->header(), f->column().toUpper());
            QCOMPARE(f->parent(), &filters);
        }
        QCOMPARE(seen, QStringList({"Title:0:2", "ID:1:0", "ID:1:0", "URL:6:2", "Visible:5:0",
                                    "CreateDate:4:0", "CreateDate:4:0"}));
        QCOMPARE(filters.filterAt(0)->value(), QVariant(QString()));
        QCOMPARE(filters.filterAt(4)->value(), QVariant(false));
        QCOMPARE(filters.whereText(), QString());
    }

    // The WHERE texts go through a real table model: hostile and unusual values
    // select exactly their rows, never fail, and never reach another table.
    void hostileValuesOnARealTable()
    {
        TestDatabase db;
        QVERIFY2(db.isOpen(), qPrintable(db.errorText()));
        QVERIFY(TestDatabase::exec("INSERT INTO Account (ID, Name, Login, Password) "
                                   "VALUES (1, 'acc', 'leaked-login', 'leaked-pass')"));
        const QString nul = QString("x") + QChar(0) + "y";
        const QStringList names{"O'Brien", QStringLiteral("Привет"), "100%", "1000", "a_b", "axb", nul, "xy", "C:\\dir\\"};
        QSqlQuery insert(db.database());
        QVERIFY(insert.prepare("INSERT INTO History (Name, Title) VALUES (?, ?)"));
        for (const QString& name : names) {
            insert.addBindValue(name);
            insert.addBindValue(name);
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }

        struct Case { int op; QString value; QStringList expected; };
        const QList<Case> cases = {
            {0, "O'Brien", {"O'Brien"}},
            {2, "'", {"O'Brien"}},
            {0, QStringLiteral("Привет"), {QStringLiteral("Привет")}},
            {2, QStringLiteral("ривет"), {QStringLiteral("Привет")}},
            {0, "a_b", {"a_b"}},
            {2, "a_b", {"a_b", "axb"}},       // _ keeps its LIKE meaning
            {3, "10%", {"100%", "1000"}},     // so does %
            {0, nul, {nul}},                  // exact comparison keeps the NUL
            // LIKE cannot hold a NUL: such a text is matched whole, never
            // dropped (a lone NUL would leave "%%", every row).
            {2, nul, {nul}},
            {2, QString(QChar(0)), {nul}},
            {3, QString("X") + QChar(0), {nul}},
            {4, QString(QChar(0)) + "Y", {nul}},
            {4, QString(QChar(0)), {}},
            {3, QString(QChar(0)), {}},
            {0, "x' UNION SELECT ID, Login, Password, Login, Login, Login, Login FROM Account --", {}},
            {2, "') OR 1=1 --", {}},
            {4, "\\", {"C:\\dir\\"}},  // a backslash is no escape
        };
        for (const Case& c : cases) {
            SqlFilterCollection filters;
            filters.addFilter(makeFilter(&filters, 0, c.op, Vexal::DBSql::colName(), c.value));
            QString error;
            const QStringList got = namesUnder(filters.whereText(), &error);
            QVERIFY2(error.isEmpty(), qPrintable(filters.whereText() + " -> " + error));
            QStringList expected = c.expected;
            expected.sort();
            QCOMPARE(got, expected);
        }

        // A fixed filter and a Unicode dialog filter together.
        SqlFilterCollection both;
        both.addFixedFilter(makeFilter(&both, 0, 1, Vexal::DBSql::colTitle(), "axb"));
        both.addFilter(makeFilter(&both, 0, 4, Vexal::DBSql::colName(), "b"));
        QString error;
        QCOMPARE(namesUnder(both.whereText(), &error), QStringList({"a_b"}));
        QVERIFY(error.isEmpty());
    }
};

TESVAR_TEST(SqlFilterTest)
#include "SqlFilterTest.moc"
