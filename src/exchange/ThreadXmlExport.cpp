#include "exchange/ThreadXmlExport.h"

#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "data/File.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlItem.h"
#include "exchange/XmlList.h"
#include "exchange/XmlWriter.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleThread.h"

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
    const QString name = XmlList::titleOfCode(m_typeCode);
    return name.isEmpty() ? QString() : LocaleInstance::exportTitle(name);
}

void ThreadXmlExport::run()
{
    exportRows();
    DBConnection::releaseThreadConnection();
}

void ThreadXmlExport::exportRows()
{
    XmlList list(m_typeCode);
    std::unique_ptr<XmlWriter> writer;
    XmlItem item;
    const bool loaded = list.scan([&](XmlBase* row) {
        if (!writer)
            writer.reset(new XmlWriter(list.tableName()));
        item.clear();
        row->write(item);
        writer->writeItem(item);
    });
    if (!loaded) {
        setErrorText(list.errorText());
        return;
    }
    if (!writer)
        writer.reset(new XmlWriter(list.tableName()));
    const QString text = writer->finish();

    const QString name = list.fileName();
    if (name.isEmpty()) {
        setErrorText(LocaleThread::invalidFileName());
        return;
    }
    File file(QStringLiteral("%1/%2.xml").arg(m_folder, name));
    if (!file.write(text)) {
        setErrorText(file.errorText());
        return;
    }
    setSuccessful(true);
}

} // namespace Vexal
