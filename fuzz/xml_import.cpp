// Feeds arbitrary bytes as an exchange file to the import, run on the thread
// that owns an in-memory database with the full schema. The import must never
// crash, must report success exactly when it sets no error text, and a failed
// import must leave the database as it was (empty). Each input is imported
// twice, in one piece and in pieces of a few bytes (their size picked by the
// input's length), so that pieces end everywhere in inputs far smaller than a
// usual piece: both must end the same, with the same rows. The import and the
// item reader (all its parts) are built into this target so that they carry the
// instrumentation.
#include "exchange/ThreadXmlImport.cpp"
#include "exchange/XmlBase.cpp"
#include "exchange/XmlReader.cpp"
#include "exchange/XmlReaderTokens.cpp"
#include "exchange/XmlReaderValues.cpp"
#include "exchange/XmlSource.cpp"

#include "data/DBSchema.h"
#include "exchange/ThreadXmlImport.h"
#include "exchange/RecordKinds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

class DirectImport : public Vexal::ThreadXmlImport
{
public:
    using ThreadXmlImport::ThreadXmlImport;
    void runHere() { run(); }
};

// The inputs are written here, and the import's log goes here. Removed when
// the run ends (a crash leaves it, with the input that crashed).
QTemporaryDir& folder()
{
    static QTemporaryDir temporary;
    return temporary;
}

// The folder the run was started in: every path on the command line (the
// corpus, the artifact prefix, a dictionary) is relative to it.
QString startFolder;

// Every row of every kind's table, as text; empty when there are none.
QString allRows()
{
    QString rows;
    for (const Vexal::RecordKindEntry& kind : Vexal::RecordKinds::all()) {
        QSqlQuery query(QStringLiteral("SELECT * FROM %1 ORDER BY ID;").arg(kind.table()));
        const int columns = query.record().count();
        while (query.next()) {
            rows += kind.table();
            for (int i = 0; i < columns; ++i)
                rows += QLatin1Char('|') + query.value(i).toString();
            rows += QLatin1Char('\n');
        }
    }
    return rows;
}

void emptyTables()
{
    for (const Vexal::RecordKindEntry& kind : Vexal::RecordKinds::all())
        QSqlQuery(QStringLiteral("DELETE FROM %1;").arg(kind.table()));
}

struct Outcome
{
    bool successful;
    QString errorText;
    QString rows;
};

// The import runs in the temporary folder, so that its log goes there; the
// fuzzer's own files stay where the command line puts them.
Outcome import(const QString& path, int pieceSize)
{
    DirectImport job({path});
    job.setPieceSize(pieceSize);
    QDir::setCurrent(folder().path());
    job.runHere();
    QDir::setCurrent(startFolder);
    if (job.isSuccessful() != job.errorText().isEmpty())
        std::abort();
    const Outcome outcome{job.isSuccessful(), job.errorText(), allRows()};
    if (!outcome.successful && !outcome.rows.isEmpty())
        std::abort(); // a failed file must be rolled back whole
    emptyTables();
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    startFolder = QDir::currentPath();
    if (!folder().isValid())
        std::abort();
    // An input that crashes the import is written as an artifact while the
    // import runs in the temporary folder: by default into the start folder.
    bool artifactsPlaced = false;
    for (int i = 1; i < *argc; ++i) {
        const QByteArray argument((*argv)[i]);
        artifactsPlaced = artifactsPlaced || argument.startsWith("-artifact_prefix=")
                          || argument.startsWith("-exact_artifact_path=");
    }
    if (!artifactsPlaced) {
        static QByteArray prefix = "-artifact_prefix=" + QFile::encodeName(startFolder) + '/';
        static std::vector<char*> arguments;
        arguments.assign(*argv, *argv + *argc);
        arguments.push_back(prefix.data());
        arguments.push_back(nullptr);
        *argv = arguments.data();
        ++*argc;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open() || !Vexal::DBSchema::create(db))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = folder().filePath(QStringLiteral("input.xml"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const Outcome whole = import(path, 0);
    const Outcome pieces = import(path, 1 + int(size % 61));
    if (pieces.successful != whole.successful || pieces.errorText != whole.errorText || pieces.rows != whole.rows)
        std::abort(); // where a piece ends must change nothing
    return 0;
}
