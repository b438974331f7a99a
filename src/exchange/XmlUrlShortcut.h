#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBUrlShortcut;

class XmlUrlShortcut : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlUrlShortcut(QObject* parent = nullptr);
    // Holds (and becomes the QObject parent of) the given record.
    XmlUrlShortcut(DBUrlShortcut* record, QObject* parent);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBUrlShortcut* item() const { return m_item; }

private:
    DBUrlShortcut* m_item = nullptr;
};

} // namespace Vexal
