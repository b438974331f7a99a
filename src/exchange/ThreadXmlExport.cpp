#include "exchange/ThreadXmlExport.h"

#include "data/DBConnection.h"
#include "data/DBSql.h"
#include "data/File.h"
#include "exchange/XmlBase.h"
#include "exchange/XmlList.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleThread.h"

#include <QDomDocument>

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
    if (!list.load()) {
        setErrorText(list.errorText());
        return;
    }

    QDomDocument document(ConstXML::docName());
    QDomElement root = document.createElement(ConstXML::itemsTag());
    root.setAttribute(ConstXML::tableAttribute(), list.tableName());
    document.appendChild(root);
    for (int i = 0; i < list.count(); ++i) {
        QDomElement item = document.createElement(ConstXML::itemTag());
        list.at(i)->write(document, item);
        root.appendChild(item);
    }
    list.clear();

    const QString name = list.fileName();
    if (name.isEmpty()) {
        setErrorText(LocaleThread::invalidFileName());
        return;
    }
    File file(QStringLiteral("%1/%2.xml").arg(m_folder, name));
    if (!file.write(document.toString(1))) {
        setErrorText(file.errorText());
        return;
    }
    setSuccessful(true);
}

} // namespace Vexal
