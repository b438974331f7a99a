// Feeds arbitrary bytes as an exchange file to the import, run on the thread
// that owns an in-memory database with the full schema. The import must never
// crash, must report success exactly when it sets no error text, and a failed
// import must leave the database as it was (empty). The import and the item
// reader are built into this target so that they carry the instrumentation.
#include "exchange/ThreadXmlImport.cpp"
#include "exchange/XmlBase.cpp"
#include "exchange/XmlReader.cpp"

#include "data/DBSchema.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/RecordKinds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

class DirectImport : public Vexal::ThreadXmlImport
{
public:
    using ThreadXmlImport::ThreadXmlImport;
    void runHere() { run(); }
};

QTemporaryDir* folder = nullptr;

int totalRows()
{
    int rows = 0;
    for (const Vexal::RecordKindEntry& kind : Vexal::RecordKinds::all()) {
        QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM %1;").arg(kind.table()));
        if (query.next())
            rows += query.value(0).toInt();
    }
    return rows;
}

void emptyTables()
{
    for (const Vexal::RecordKindEntry& kind : Vexal::RecordKinds::all())
        QSqlQuery(QStringLiteral("DELETE FROM %1;").arg(kind.table()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    folder = new QTemporaryDir;
    QDir::setCurrent(folder->path());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open() || !Vexal::DBSchema::create(db))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("input.xml"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    DirectImport job({path});
    job.runHere();
    if (job.isSuccessful() != job.errorText().isEmpty())
        std::abort();
    if (!job.isSuccessful() && totalRows() != 0)
        std::abort(); // a failed file must be rolled back whole
    emptyTables();
    return 0;
}
