#pragma once

#include "exchange/XmlBase.h"

namespace Vexal {

class DBSocialBookmarkTemplate;

class XmlSocialBookmarkTemplate : public XmlBase
{
    Q_OBJECT
public:
    explicit XmlSocialBookmarkTemplate(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBSocialBookmarkTemplate* item() const { return m_item; }

private:
    DBSocialBookmarkTemplate* m_item = nullptr;
};

} // namespace Vexal
