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
// beside a file of 1,000,000 are timed against the same imports into a new
// file, ours and the floor's ("x_stored").
//
//   ./build/bench/tesvar_bench --benchmark_filter=Exchange/Import/Bookmark
//   ./build/bench/tesvar_bench --benchmark_filter=Exchange/ImportBeside
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

// The text of one value of row i, in its file form; the rows' IDs count up
// from firstId.
QString valueOf(const DBField& field, int i, Icons icons, qint64 firstId = 1)
{
    const QString column = field.column();
    if (field.has(DBField::Key))
        return column == Vexal::DBSql::colID() ? QString::number(firstId + i) : QStringLiteral("1");
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

// An exchange file of `rows` items of the kind, their IDs counting up from
// firstId.
QString exchangeFile(int code, Icons icons, int rows, qint64 firstId = 1)
{
    const auto xml = kindOf(code);
    const std::vector<const DBField*> fields = exchangedFields(xml->record());
    QString name = QStringLiteral("%1-%2-%3").arg(xml->tableName(), iconsName(icons)).arg(rows);
    if (firstId != 1)
        name += QStringLiteral("-from-%1").arg(firstId);
    return writeFile(name + QStringLiteral(".xml"), xml->tableName(), rows, [&](int i) -> QString {
                         QString text = QStringLiteral(" <item>\n");
                         for (const DBField* field : fields) {
                             const QString value = valueOf(*field, i, icons, firstId);
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
                                 text += QStringLiteral("<%1>%2</%1>").arg(field->column(), valueOf(*field, i, Icons::None));
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
// of them (IDs 1 to rows); made once per run of the bench.
QString storedProjects(int rows)
{
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    const QString path = files().filePath(QStringLiteral("stored-projects-%1.db").arg(rows));
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
    if (!created || !floor(Job::Import, made, exchangeFile(project, Icons::None, rows), project)
        || !QFile::rename(made, path))
        return QString();
    return path;
}

// An import of `rows` projects whose IDs follow those of `stored` projects,
// into a new file and into a copy of the file of the stored ones; ours and
// the floor's take turns. "x_stored" is our best time beside the stored rows
// over our best into the new file, "floor_x_stored" the same of the floor:
// what the rows already stored add to an import. "ratio" is ours over the
// floor's beside the stored rows; the time shown is ours there.
void runBeside(benchmark::State& state, int rows, int stored)
{
    const int project = Vexal::kindCode(Vexal::RecordKind::Project);
    const QString large = storedProjects(stored);
    if (large.isEmpty()) {
        state.SkipWithError("the floor could not store the rows");
        return;
    }
    const QString file = exchangeFile(project, Icons::None, rows, qint64(stored) + 1);
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
    // shorter ones.
    for (const auto& [rows, iterations] : {std::pair<int, int>{1000, 20}, {10000, 10}, {100000, 3}}) {
        const int stored = 1000000;
        const QString name = QStringLiteral("Exchange/ImportBeside/Project/stored:%1/rows:%2").arg(stored).arg(rows);
        benchmark::RegisterBenchmark(name.toUtf8().constData(),
                                     [rows = rows, stored](benchmark::State& state) { runBeside(state, rows, stored); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations)
            ->UseManualTime();
    }
    if (filterNames("5000000"))
        registerShape({Job::Import, project, Icons::None, 5000000}, 2);
    return true;
}();

} // namespace
