#pragma once

#include "core/Thread.h"

namespace Vexal {

// Writes all rows of one kind into "<folder>/<display name>.xml". The file is
// replaced only once the new one is complete.
class ThreadXmlExport : public Thread
{
    Q_OBJECT
public:
    ThreadXmlExport(int typeCode, const QString& folder, QObject* parent = nullptr);

    QString title() const override;

    int typeCode() const { return m_typeCode; }
    QString folder() const { return m_folder; }

protected:
    void run() override;

private:
    void exportRows();
    void fileFailed(const QString& reason);

    int m_typeCode;
    QString m_folder;
};

} // namespace Vexal
