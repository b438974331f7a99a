#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

// Base of the project-owned kinds: "ProjectID" follows the common elements
// and is required when reading.
class XmlProjectBase : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlProjectBase(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    int projectId() const;
    void setProjectId(int projectId);
};

} // namespace Vexal
