#include "Callgrind.h"
#include "core/Convert.h"
#include "data/DBBase.h"
#include "data/DBCache.h"
#include "data/DBField.h"
#include "data/DBOptions.h"
#include "data/DBSchema.h"
#include "core/DBSql.h"
#include "exchange/RecordKinds.h"
#include "exchange/ThreadXmlExport.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/XmlBase.h"
#include "ProcessMemory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

#include <functional>
#include <limits>
#include <memory>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

// Export, import and overwrite of every record kind of the registry, and
// deletes by file (projects, bookmarks), each timed against the floor (bench/floor/xml_floor.c: the same job in plain C
// on SQLite's own API) in the same run: "ratio" is ours over the floor's
// time. The kinds with a picture run three ways: items without icons (an
// import's new row takes the default icon; the rows an export or overwrite
// starts from have none), with a 1-pixel icon, and with the default icon
// written out as the export writes it; an import without icons also times
// the 1-pixel file ("x_small_icons", ours over ours). Every dated column holds
// real dates, row after row another. Imports of 1,000 to 100,000 projects
// beside a file of 1,000,000 (ImportBeside), and into the free places of a
// table of 1,000,000 IDs of which every 16th is free (ImportFree), are timed
// against the same imports into a new file, ours and the floor's
// ("x_stored"), and counted in instructions under callgrind the same way
// (Exchange/Instructions/...): what the stored rows add to an import,
// without the system's writing of the pages it changes, which grows as much
// for the floor.
//
//   ./build/bench/tesvar_bench --benchmark_filter=Exchange/Import/Bookmark
//   ./build/bench/tesvar_bench --benchmark_filter=Exchange/ImportBeside
//   ./build/bench/tesvar_bench --benchmark_filter=Exchange/Instructions/ImportFree
//
// The 5,000,000-row import is registered only when a filter names it:
//   ./build/bench/tesvar_bench --benchmark_filter=rows:5000000

namespace {

using Vexal::DBField;
using Vexal::FieldType;

enum class Job { Export, Import, Overwrite, Delete };
enum class Icons { None, Small, Default };

const char* jobName(Job job)
{
    return job == Job::Export ? "Export" : job == Job::Import ? "Import" : job == Job::Overwrite ? "Overwrite" : "Delete";
}

const char* iconsName(Icons icons)
{
    return icons == Icons::None ? "no_icons" : icons == Icons::Small ? "small_icons" : "default_icons";
}

// A new record of the kind, for its table and its fields.
std::unique_ptr<Vexal::XmlBase> kindOf(int code)
{
    return std::unique_ptr<Vexal::XmlBase>(Vexal::RecordKinds::createXml(code, nullptr));
}

// The kinds whose items carry an icon. Records cannot be made before the
// application (their default icon is a pixmap), so registration takes the
// kinds from here and each run checks them against the field table.
bool hasIcons(int code)
{
    return code == Vexal::kindCode(Vexal::RecordKind::History) || code == Vexal::kindCode(Vexal::RecordKind::Bookmark);
}

bool hasPicture(int code)
{
    const auto xml = kindOf(code);
    for (const DBField& field : xml->record()->fields()) {
        if (field.type() == FieldType::Image)
            return true;
    }
    return false;
}

// The exchanged fields in the order the export writes them.
std::vector<const DBField*> exchangedFields(const Vexal::DBBase* record)
{
    std::vector<const DBField*> fields;
    for (const bool last : {false, true}) {
        for (const DBField& field : record->fields()) {
            if (field.isExchanged() && field.has(DBField::XmlLast) == last)
                fields.push_back(&field);
        }
    }
    return fields;
}

// The kind's elements as the floor takes them: NAME:TYPE[-], in file order.
QString floorColumns(int code)
{
    const auto xml = kindOf(code);
    QStringList columns;
    for (const DBField* field : exchangedFields(xml->record())) {
        char type = 't';
        switch (field->type()) {
        case FieldType::Int:
        case FieldType::Bool: type = 'i'; break;
        case FieldType::Text: type = 't'; break;
        case FieldType::Date: type = 'd'; break;
        case FieldType::DateTime: type = 'T'; break;
        case FieldType::Image: type = 'b'; break;
        }
        columns << QStringLiteral("%1:%2%3").arg(field->column(), QChar::fromLatin1(type),
                                                 field->isReadFromXml() ? QString() : QStringLiteral("-"));
    }
    return columns.join(QLatin1Char(','));
}

// The default icon of a new record, as its table stores it.
QByteArray defaultIconBytes()
{
    const auto xml = kindOf(Vexal::kindCode(Vexal::RecordKind::Bookmark));
    for (const DBField& field : xml->record()->fields()) {
        if (field.type() == FieldType::Image)
            return Vexal::DBBase::imageValue(field.imageValue(xml->record())).toByteArray();
    }
    return QByteArray();
}

QTemporaryDir& files()
{
    static QTemporaryDir folder;
    return folder;
}

// The file of the default icon's bytes, for the floor.
QString defaultIconFile()
{
    const QString path = files().filePath(QStringLiteral("default-icon.png"));
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(defaultIconBytes());
    }
    return path;
}

// The IDs of a file's items: item i's ID, and what the file's name says of
// them ("" for 1, 2, 3, ...).
struct Ids
{
    QString name;
    std::function<qint64(int)> of;
};

Ids countingFrom(qint64 firstId)
{
    if (firstId == 1)
        return {QString(), [](int i) { return qint64(i) + 1; }};
    return {QStringLiteral("from-%1").arg(firstId), [firstId](int i) { return firstId + i; }};
}

// The text of one value of row i, whose ID is `id`, in its file form.
QString valueOf(const DBField& field, int i, Icons icons, qint64 id)
{
    const QString column = field.column();
    if (field.has(DBField::Key))
        return column == Vexal::DBSql::colID() ? QString::number(id) : QStringLiteral("1");
    switch (field.type()) {
    case FieldType::Int:
        return QString::number(field.has(DBField::XmlAsFlag) ? i % 2 : 2);
    case FieldType::Bool:
        return QString::number(i % 2);
    case FieldType::Text:
        if (column == Vexal::DBSql::colURL() || column.endsWith(QLatin1String("Page")))
            return QStringLiteral("http://www.site%1.example/page/").arg(i);
        return QStringLiteral("%1 of row %2").arg(column).arg(i);
    case FieldType::Date:
        // Birthdays and check days over some 70 years, leap days among them.
        return QDate(1950, 1, 1).addDays(qint64(i) * 7919 % 26000).toString(QStringLiteral("yyyy.MM.dd"));
    case FieldType::DateTime:
        // Visits 43 minutes and 13 seconds apart, over eight years for 100,000
        // rows: every hour, minute and second of the day, the zone's changes
        // among them (local clock times, none in an hour the clock skips).
        return QDateTime(QDate(2010, 1, 1), QTime(0, 0), Qt::LocalTime)
            .addSecs(qint64(i) * 2593)
            .toString(QStringLiteral("yyyy.MM.dd.hh.mm.ss"));
    case FieldType::Image: {
        static const QString small = QString::fromLatin1(Vexal::Convert::imageToBytes([] {
                                                             QImage image(1, 1, QImage::Format_ARGB32);
                                                             image.fill(Qt::red);
                                                             return image;
                                                         }())
                                                             .toBase64());
        static const QString standard = QString::fromLatin1(defaultIconBytes().toBase64());
        return icons == Icons::None ? QString() : icons == Icons::Small ? small : standard;
    }
    }
    return QString();
}

// Writes an exchange file of the table whose item i is item(i), unless it is
// there from before in this run.
QString writeFile(const QString& name, const QString& table, int rows, const std::function<QString(int)>& item)
{
    const QString path = files().filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QString text = QStringLiteral("<!DOCTYPE doc>\n<items Table=\"%1\">\n").arg(table);
    for (int i = 0; i < rows; ++i) {
        text += item(i);
        if (text.size() > (1 << 20)) {
            file.write(text.toUtf8());
            text.clear();
        }
    }
    text += QLatin1String("</items>\n");
    file.write(text.toUtf8());
    return path;
}

// An exchange file of `rows` items of the kind, with the given IDs (by
// default 1, 2, 3, ...).
QString exchangeFile(int code, Icons icons, int rows, const Ids& ids = countingFrom(1))
{
    const auto xml = kindOf(code);
    const std::vector<const DBField*> fields = exchangedFields(xml->record());
    QString name = QStringLiteral("%1-%2-%3").arg(xml->tableName(), iconsName(icons)).arg(rows);
    if (!ids.name.isEmpty())
        name += QLatin1Char('-') + ids.name;
    return writeFile(name + QStringLiteral(".xml"), xml->tableName(), rows, [&](int i) -> QString {
                         QString text = QStringLiteral(" <item>\n");
                         for (const DBField* field : fields) {
                             const QString value = valueOf(*field, i, icons, ids.of(i));
                             if (value.isEmpty())
                                 text += QStringLiteral("  <%1/>\n").arg(field->column());
                             else
                                 text += QStringLiteral("  <%1>%2</%1>\n").arg(field->column(), value);
                         }
                         return text + QLatin1String(" </item>\n");
                     });
}

// A file that deletes the rows of exchangeFile(code, ..., rows): each item
// its keys and the delete mark.
QString deleteFile(int code, int rows)
{
    const auto xml = kindOf(code);
    const std::vector<const DBField*> fields = exchangedFields(xml->record());
    return writeFile(QStringLiteral("%1-delete-%2.xml").arg(xml->tableName()).arg(rows), xml->tableName(), rows,
                     [&](int i) -> QString {
                         QString text = QStringLiteral(" <item>");
                         for (const DBField* field : fields) {
                             if (field->has(DBField::Key))
                                 text += QStringLiteral("<%1>%2</%1>")
                                             .arg(field->column(), valueOf(*field, i, Icons::None, i + 1));
                         }
                         return text + QStringLiteral("<%1>1</%1></item>\n").arg(Vexal::DBSql::colXDelete());
                     });
}

// A temporary folder as the current directory with a fresh database there
// (or a copy of the database file `copyOf`), opened as the default
// connection.
class ExchangeDatabase
{
public:
    explicit ExchangeDatabase(const QString& copyOf = QString())
    {
        QDir::setCurrent(m_dir.path());
        if (!copyOf.isEmpty())
            QFile::copy(copyOf, database());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(database());
        db.open();
        if (copyOf.isEmpty())
            Vexal::DBSchema::create(db);
    }
    ~ExchangeDatabase()
    {
        QSqlDatabase::database().close();
        QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString database() const { return path(QStringLiteral("TesvarBrowser.db")); }

private:
    QTemporaryDir m_dir;
};

// Processor time in nanoseconds: of this process (our job's thread, while the
// bench's own waits) or of its children that ended (the floor).
qint64 cpuTime(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000
        + (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000;
}

// The floor's run of the job; false when it failed. Without the default icon
// the new rows of an import keep no picture where their items give none.
bool floor(Job job, const QString& database, const QString& file, int code, bool defaultIcon = true)
{
    const QString mode = QString::fromLatin1(jobName(job)).toLower();
    QStringList arguments{mode, database, file, Vexal::RecordKinds::tableOf(code), floorColumns(code)};
    if ((job == Job::Import || job == Job::Overwrite) && hasPicture(code) && defaultIcon)
        arguments << defaultIconFile();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its reason for failing, if any
    process.start(QStringLiteral(TESVAR_XML_FLOOR), arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

int rowCount(int code)
{
    QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM %1;").arg(Vexal::RecordKinds::tableOf(code)));
    return count.next() ? count.value(0).toInt() : -1;
}

// The best of a shape's runs, in wall-clock and processor time: the best
// runs are those least disturbed by other work on the machine.
struct Timing
{
    qint64 wall = std::numeric_limits<qint64>::max();
    qint64 cpu = std::numeric_limits<qint64>::max();
    void add(qint64 wallNs, qint64 cpuNs)
    {
        wall = qMin(wall, wallNs);
        cpu = qMin(cpu, cpuNs);
    }
    double ms() const { return double(wall) / 1e6; }
};

double ratio(qint64 ours, qint64 theirs)
{
    return theirs > 0 ? double(ours) / double(theirs) : 0;
}

// Our job, timed; the error text when it failed.
QString ours(Job job, int code, const QString& file, const QString& folder, Timing* timing, qint64* wallNs = nullptr)
{
    std::unique_ptr<Vexal::Thread> thread;
    if (job == Job::Export)
        thread.reset(new Vexal::ThreadXmlExport(code, folder));
    else
        thread.reset(new Vexal::ThreadXmlImport({file}));
    const qint64 cpu = cpuTime(RUSAGE_SELF);
    QElapsedTimer timer;
    timer.start();
    thread->start();
    const bool ran = thread->wait() && thread->isSuccessful();
    const qint64 wall = timer.nsecsElapsed();
    timing->add(wall, cpuTime(RUSAGE_SELF) - cpu);
    if (wallNs)
        *wallNs = wall;
    return ran ? QString() : thread->errorText().isEmpty() ? QStringLiteral("failed") : thread->errorText();
}

struct Shape
{
    Job job;
    int code;
    Icons icons;
    int rows;
};

// Whether our export and the floor's, both in the folder of the stored rows,
// hold the same bytes.
bool sameFiles(const ExchangeDatabase& stored, int code)
{
    QFile ourFile(stored.path(kindOf(code)->displayName() + QStringLiteral(".xml")));
    QFile floorFile(stored.path(QStringLiteral("floor.xml")));
    if (!ourFile.open(QIODevice::ReadOnly) || !floorFile.open(QIODevice::ReadOnly))
        return false;
    while (!ourFile.atEnd() || !floorFile.atEnd()) {
        if (ourFile.read(1 << 20) != floorFile.read(1 << 20))
            return false;
    }
    return true;
}

// Ours and the floor take turns, each on a fresh database for an import.
// "ratio" is our best time over the floor's best, "cpu_ratio" the same in
// processor time (ours: this process's while it waits for the job; the
// floor's: its process's), which other work on the machine hardly moves.
void runShape(benchmark::State& state, const Shape& shape)
{
    if (hasPicture(shape.code) != hasIcons(shape.code)) {
        state.SkipWithError("the kinds with icons are others now: mend hasIcons()");
        return;
    }
    const QString rowsFile = exchangeFile(shape.code, shape.icons, shape.rows);
    const QString file = shape.job == Job::Delete ? deleteFile(shape.code, shape.rows) : rowsFile;
    // Export and overwrite start from the file's rows, stored by the floor;
    // rows without icons keep none, as a user's rows without icons do.
    std::unique_ptr<ExchangeDatabase> stored;
    if (shape.job == Job::Export || shape.job == Job::Overwrite) {
        stored.reset(new ExchangeDatabase);
        if (!floor(Job::Import, stored->database(), file, shape.code, shape.icons != Icons::None)) {
            state.SkipWithError("the floor could not store the rows");
            return;
        }
    }
    Vexal::DBOptions options;
    options.setOverrideOnImport(shape.job == Job::Overwrite);
    Vexal::DBCache::setOptions(&options);

    Timing our;
    Timing theirs;
    Timing small;
    double peak = 0;
    const bool timeSmall = shape.job == Job::Import && shape.icons == Icons::None && hasIcons(shape.code);
    const QString smallFile = timeSmall ? exchangeFile(shape.code, Icons::Small, shape.rows) : QString();
    QString error;
    // An import's run starts from an empty database, a delete's from one
    // that holds the rows (stored by the floor); the others share one.
    auto makeTarget = [&]() -> std::unique_ptr<ExchangeDatabase> {
        if (shape.job != Job::Import && shape.job != Job::Delete)
            return nullptr;
        std::unique_ptr<ExchangeDatabase> target(new ExchangeDatabase);
        if (shape.job == Job::Delete && !floor(Job::Import, target->database(), rowsFile, shape.code))
            error = QStringLiteral("the floor could not store the rows");
        return target;
    };
    // What a run leaves in its table.
    const int rowsAfter = shape.job == Job::Delete ? 0 : shape.rows;
    const bool counted = shape.job == Job::Import || shape.job == Job::Delete;
    // Each run starts with nothing of the runs before still to be written
    // out: the writing back of one must not slow the next.
    auto runOurs = [&](benchmark::State& state) {
        std::unique_ptr<ExchangeDatabase> target = makeTarget();
        if (!error.isEmpty())
            return;
        const QString folder = QDir(stored ? stored->path(QString()) : target->path(QString())).path();
        ::sync();
        ProcessMemory::resetPeak();
        qint64 wall = 0;
        error = ours(shape.job, shape.code, file, folder, &our, &wall);
        state.SetIterationTime(double(wall) / 1e9);
        peak = qMax(peak, ProcessMemory::peakMb());
        if (error.isEmpty() && counted && rowCount(shape.code) != rowsAfter)
            error = QStringLiteral("the job left another number of rows");
        // The same rows with 1-pixel icons.
        if (error.isEmpty() && timeSmall) {
            ExchangeDatabase target;
            ::sync();
            error = ours(Job::Import, shape.code, smallFile, QString(), &small);
        }
    };
    auto runFloor = [&] {
        std::unique_ptr<ExchangeDatabase> target = makeTarget();
        if (!error.isEmpty())
            return;
        const QString database = target ? target->database() : stored->database();
        const QString output = (target ? target.get() : stored.get())->path(QStringLiteral("floor.xml"));
        ::sync();
        const qint64 cpu = cpuTime(RUSAGE_CHILDREN);
        QElapsedTimer timer;
        timer.start();
        if (!floor(shape.job, database, shape.job == Job::Export ? output : file, shape.code))
            error = QStringLiteral("the floor failed");
        theirs.add(timer.nsecsElapsed(), cpuTime(RUSAGE_CHILDREN) - cpu);
        if (error.isEmpty() && counted && rowCount(shape.code) != rowsAfter)
            error = QStringLiteral("the floor left another number of rows");
    };
    // Ours and the floor take turns at going first.
    bool oursFirst = true;
    for (auto _ : state) {
        if (oursFirst)
            runOurs(state);
        if (error.isEmpty())
            runFloor();
        if (error.isEmpty() && !oursFirst)
            runOurs(state);
        oursFirst = !oursFirst;
        // A failed run leaves the loop at once.
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
    Vexal::DBCache::reset();
    if (!error.isEmpty())
        return;
    // An export writes what the floor writes, byte for byte: the same values
    // in the same forms.
    if (shape.job == Job::Export && !sameFiles(*stored, shape.code)) {
        state.SkipWithError("the export and the floor wrote different files");
        return;
    }
    state.counters["ours_ms"] = our.ms();
    state.counters["floor_ms"] = theirs.ms();
    state.counters["ratio"] = ratio(our.wall, theirs.wall);
    state.counters["cpu_ratio"] = ratio(our.cpu, theirs.cpu);
    if (timeSmall)
        state.counters["x_small_icons"] = ratio(our.wall, small.wall);
    state.counters["peak_MB"] = peak;
    state.SetItemsProcessed(state.iterations() * shape.rows);
}

void registerShape(const Shape& shape, int iterations)
{
    QString name = QStringLiteral("Exchange/%1/%2").arg(jobName(shape.job), Vexal::RecordKinds::tableOf(shape.code));
    if (hasIcons(shape.code))
        name += QLatin1Char('/') + QLatin1String(iconsName(shape.icons));
    name += QStringLiteral("/rows:%1").arg(shape.rows);
    benchmark::RegisterBenchmark(name.toUtf8().constData(), [shape](benchmark::State& state) { runShape(state, shape); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->UseManualTime();
}

// The database file of `rows` projects as the floor stores the exchange file
// of them (by default IDs 1 to rows); made once per run of the bench.
QString storedProjects(int rows, const Ids& ids = countingFrom(1))
{
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    QString name = QStringLiteral("stored-projects-%1").arg(rows);
    if (!ids.name.isEmpty())
        name += QLatin1Char('-') + ids.name;
    const QString path = files().filePath(name + QStringLiteral(".db"));
    if (QFile::exists(path))
        return path;
    const QString made = path + QStringLiteral(".part");
    const QString connection = QStringLiteral("stored-projects");
    bool created = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(made);
        created = db.open() && Vexal::DBSchema::create(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!created || !floor(Job::Import, made, exchangeFile(project, Icons::None, rows, ids), project)
        || !QFile::rename(made, path))
        return QString();
    return path;
}

// What an import beside stored projects brings and finds: `stored` projects
// with the IDs storedIds gives, and a file of `rows` projects with the IDs
// fileIds gives, none of them stored.
struct Beside
{
    int stored;
    Ids storedIds;
    int rows;
    Ids fileIds;
};

// An import of a file of projects into a new file and into a copy of the
// file of the stored ones; ours and the floor's take turns. "x_stored" is our
// best time beside the stored rows over our best into the new file,
// "floor_x_stored" the same of the floor: what the rows already stored add
// to an import. "ratio" is ours over the floor's beside the stored rows; the
// time shown is ours there.
void runBeside(benchmark::State& state, const Beside& shape)
{
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    const int rows = shape.rows;
    const int stored = shape.stored;
    const QString large = storedProjects(stored, shape.storedIds);
    if (large.isEmpty()) {
        state.SkipWithError("the floor could not store the rows");
        return;
    }
    const QString file = exchangeFile(project, Icons::None, rows, shape.fileIds);
    Vexal::DBOptions options;
    options.setOverrideOnImport(false);
    Vexal::DBCache::setOptions(&options);

    Timing oursNew;
    Timing oursBeside;
    Timing floorNew;
    Timing floorBeside;
    double peak = 0;
    QString error;
    auto run = [&](bool beside, bool byFloor) {
        ExchangeDatabase target(beside ? large : QString());
        ::sync();
        if (byFloor) {
            const qint64 cpu = cpuTime(RUSAGE_CHILDREN);
            QElapsedTimer timer;
            timer.start();
            if (!floor(Job::Import, target.database(), file, project))
                error = QStringLiteral("the floor failed");
            (beside ? floorBeside : floorNew).add(timer.nsecsElapsed(), cpuTime(RUSAGE_CHILDREN) - cpu);
        } else {
            ProcessMemory::resetPeak();
            qint64 wall = 0;
            error = ours(Job::Import, project, file, QString(), beside ? &oursBeside : &oursNew, &wall);
            if (beside)
                state.SetIterationTime(double(wall) / 1e9);
            peak = qMax(peak, ProcessMemory::peakMb());
        }
        if (error.isEmpty() && rowCount(project) != (beside ? stored : 0) + rows)
            error = QStringLiteral("the import left another number of rows");
    };
    bool oursFirst = true;
    for (auto _ : state) {
        for (const bool beside : {false, true}) {
            if (error.isEmpty())
                run(beside, !oursFirst);
            if (error.isEmpty())
                run(beside, oursFirst);
        }
        oursFirst = !oursFirst;
        if (!error.isEmpty()) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
    Vexal::DBCache::reset();
    if (!error.isEmpty())
        return;
    state.counters["new_ms"] = oursNew.ms();
    state.counters["stored_ms"] = oursBeside.ms();
    state.counters["x_stored"] = ratio(oursBeside.wall, oursNew.wall);
    state.counters["cpu_x_stored"] = ratio(oursBeside.cpu, oursNew.cpu);
    state.counters["floor_new_ms"] = floorNew.ms();
    state.counters["floor_stored_ms"] = floorBeside.ms();
    state.counters["floor_x_stored"] = ratio(floorBeside.wall, floorNew.wall);
    state.counters["ratio"] = ratio(oursBeside.wall, floorBeside.wall);
    state.counters["peak_MB"] = peak;
    state.SetItemsProcessed(state.iterations() * rows);
}

// The instructions of one import of `file` into a copy of the database file
// `database`, ours (bench/exchange/count_import.cpp) or the floor's, counted
// by callgrind over the job alone; negative when it failed.
double importInstructions(bool byFloor, const QString& database, const QString& file)
{
    QTemporaryDir out;
    const QString target = out.filePath(QStringLiteral("TesvarBrowser.db"));
    if (!QFile::copy(database, target))
        return -1;
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    const QStringList program = byFloor ? QStringList{QStringLiteral(TESVAR_XML_FLOOR), QStringLiteral("import"), target,
                                                      file, Vexal::RecordKinds::tableOf(project), floorColumns(project)}
                                        : QStringList{QStringLiteral(TESVAR_EXCHANGE_COUNT), target, file};
    const QString counts = out.filePath(QStringLiteral("counts"));
    return Callgrind::run(counts, program) ? Callgrind::instructionsIn(counts + QStringLiteral(".1")) : -1;
}

// The shape of runBeside counted in instructions instead of timed (counts
// repeat from run to run, and leave out the system's writing of the file's
// pages, which grows with the pages an import changes, for ours and the
// floor's alike): "x_stored" is ours beside the stored rows over ours into a
// new file, "floor_x_stored" the same of the floor; "stored_per_item" the
// instructions an item costs more beside the stored rows.
void countBeside(benchmark::State& state, const Beside& shape)
{
    if (Callgrind::valgrind().isEmpty()) {
        state.SkipWithError("valgrind is not installed: no instructions to count");
        return;
    }
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    const QString large = storedProjects(shape.stored, shape.storedIds);
    const QString empty = storedProjects(0);
    if (large.isEmpty() || empty.isEmpty()) {
        state.SkipWithError("the floor could not store the rows");
        return;
    }
    const QString file = exchangeFile(project, Icons::None, shape.rows, shape.fileIds);
    double counts[2][2] = {}; // [floor][beside]
    for (auto _ : state) {
        for (const bool byFloor : {false, true}) {
            for (const bool beside : {false, true}) {
                counts[byFloor][beside] = importInstructions(byFloor, beside ? large : empty, file);
                if (counts[byFloor][beside] <= 0) {
                    state.SkipWithError("an import did not run under callgrind");
                    return;
                }
            }
        }
    }
    state.counters["new_Mi"] = counts[0][0] / 1e6;
    state.counters["stored_Mi"] = counts[0][1] / 1e6;
    state.counters["x_stored"] = counts[0][1] / counts[0][0];
    state.counters["stored_per_item"] = (counts[0][1] - counts[0][0]) / shape.rows;
    state.counters["floor_new_Mi"] = counts[1][0] / 1e6;
    state.counters["floor_stored_Mi"] = counts[1][1] / 1e6;
    state.counters["floor_x_stored"] = counts[1][1] / counts[1][0];
}

// Whether the command line's filter names the text.
bool filterNames(const char* text)
{
    QFile commandLine(QStringLiteral("/proc/self/cmdline"));
    if (!commandLine.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& argument : commandLine.readAll().split('\0')) {
        if (argument.startsWith("--benchmark_filter=") && argument.contains(text))
            return true;
    }
    return false;
}

const bool registered = [] {
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    for (const Job job : {Job::Import, Job::Overwrite, Job::Export}) {
        for (int code = Vexal::kindCode(Vexal::firstRecordKind); code <= Vexal::kindCode(Vexal::lastRecordKind);
             ++code) {
            if (!hasIcons(code)) {
                registerShape({job, code, Icons::None, 100000}, 3);
                continue;
            }
            for (const Icons icons : {Icons::None, Icons::Small, Icons::Default})
                registerShape({job, code, icons, 100000}, 3);
        }
        registerShape({job, project, Icons::None, 1000000}, 3);
    }
    // Deletes go the same way for every kind but projects, which look
    // for the active one first.
    registerShape({Job::Delete, project, Icons::None, 100000}, 3);
    registerShape({Job::Delete, Vexal::kindCode(Vexal::RecordKind::Bookmark), Icons::None, 100000}, 3);
    // Small imports beside a large file: the best of more runs for the
    // shorter ones; each shape is also counted in instructions.
    auto registerBeside = [](const QString& name, const Beside& shape, int iterations) {
        benchmark::RegisterBenchmark(name.toUtf8().constData(),
                                     [shape](benchmark::State& state) { runBeside(state, shape); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations)
            ->UseManualTime();
        QString counted = name;
        counted.replace(QStringLiteral("Exchange/"), QStringLiteral("Exchange/Instructions/"));
        benchmark::RegisterBenchmark(counted.toUtf8().constData(),
                                     [shape](benchmark::State& state) { countBeside(state, shape); })
            ->Unit(benchmark::kSecond)
            ->Iterations(1);
    };
    for (const auto& [rows, iterations] : {std::pair<int, int>{1000, 20}, {10000, 10}, {100000, 3}}) {
        const int stored = 1000000;
        registerBeside(QStringLiteral("Exchange/ImportBeside/Project/stored:%1/rows:%2").arg(stored).arg(rows),
                       {stored, countingFrom(1), rows, countingFrom(qint64(stored) + 1)}, iterations);
    }
    // Imports into the free places of a large table: IDs 1 to 1,000,000 of
    // which every 16th is free; the file's IDs are the free ones in order,
    // then (past the last of them) those after the table's highest. 31,000
    // and 32,000 lay either side of where an earlier build began to read
    // every stored ID.
    {
        const qint64 span = 1000000;
        const int every = 16;
        const int stored = int(span - span / every);
        const Ids storedIds{QStringLiteral("every-%1-free").arg(every),
                            [every](int i) { return qint64(i) + i / (every - 1) + 1; }};
        const Ids freeIds{QStringLiteral("free-of-every-%1").arg(every), [span, every](int i) {
                              const qint64 free = span / every;
                              return i < free ? qint64(every) * (i + 1) : span + (i - free) + 1;
                          }};
        for (const auto& [rows, iterations] :
             {std::pair<int, int>{1000, 20}, {10000, 10}, {31000, 5}, {32000, 5}, {62500, 3}, {100000, 3}}) {
            registerBeside(
                QStringLiteral("Exchange/ImportFree/Project/span:%1/every:%2/rows:%3").arg(span).arg(every).arg(rows),
                {stored, storedIds, rows, freeIds}, iterations);
        }
    }
    if (filterNames("5000000"))
        registerShape({Job::Import, project, Icons::None, 5000000}, 2);
    return true;
}();

} // namespace
