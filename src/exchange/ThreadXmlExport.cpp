#include "exchange/ThreadXmlExport.h"

#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "core/Logger.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlItem.h"
#include "exchange/RecordKinds.h"
#include "exchange/XmlList.h"
#include "exchange/XmlWriter.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleThread.h"

#include <QDir>
#include <QSaveFile>

#include <memory>

namespace Vexal {

ThreadXmlExport::ThreadXmlExport(int typeCode, const QString& folder, QObject* parent)
    : Thread(parent)
    , m_typeCode(typeCode)
    , m_folder(folder)
{
}

QString ThreadXmlExport::title() const
{
    const QString name = RecordKinds::titleOf(m_typeCode);
    return name.isEmpty() ? QString() : LocaleInstance::exportTitle(name);
}

void ThreadXmlExport::run()
{
    runGuarded([this] { exportRows(); }, LocaleThread::jobCancelled(title()));
    DBConnection::releaseThreadConnection();
}

// The file's failures come with the system's reason (a full disk, a folder
// that cannot be written), which the user is told too.
void ThreadXmlExport::fileFailed(const QString& reason)
{
    setErrorText(reason);
    setFailureCause(reason);
}

// Rows go to the file as they are read; the file replaces an earlier one only
// once it is complete, and a failure (a full disk, say) reports the system's
// reason and leaves the earlier file as it was.
void ThreadXmlExport::exportRows()
{
    XmlList list(m_typeCode);
    QSaveFile file;
    std::unique_ptr<XmlWriter> writer;
    bool opened = false;
    auto open = [&]() -> bool {
        if (opened)
            return true;
        const QString name = list.fileName();
        if (name.isEmpty()) {
            setErrorText(LocaleThread::invalidFileName());
            return false;
        }
        file.setFileName(QStringLiteral("%1/%2.xml").arg(m_folder, name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            fileFailed(file.errorString());
            return false;
        }
        writer.reset(new XmlWriter(list.tableName(), &file));
        opened = true;
        return true;
    };

    XmlItem item;
    bool written = true;
    const bool loaded = list.scan([&](XmlBase* row) {
        if (!written || !open())
            return false;
        item.clear();
        row->write(item);
        written = writer->writeItem(item);
        return written;
    });
    if (!loaded) {
        if (!errorText().isEmpty())
            return;
        if (written) {
            setErrorText(list.errorText());
            setFailureCause(list.failureCause());
        } else {
            fileFailed(writer->errorText());
        }
        return;
    }
    if (!open())
        return;
    if (!writer->close()) {
        fileFailed(writer->errorText());
        return;
    }
    // Cancelled, the earlier file stays as it was.
    if (isCancelled())
        return;
    if (!file.commit()) {
        fileFailed(file.errorString());
        return;
    }
    if (writer->droppedValues() > 0) {
        Logger::warning(LocaleThread::uncarriedCharacters().arg(QString::number(writer->droppedValues()),
                                                                writer->firstDroppedItem(),
                                                                writer->firstDroppedElement(), file.fileName()));
    }
    setResultText(LocaleThread::exportWritten(QDir::toNativeSeparators(file.fileName())));
    setSuccessful(true);
}

} // namespace Vexal
