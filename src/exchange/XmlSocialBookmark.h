#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBSocialBookmark;

class XmlSocialBookmark : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlSocialBookmark(QObject* parent = nullptr);

    void write(XmlItem& item) override;
    bool read(const XmlItem& item) override;

    DBSocialBookmark* item() const { return m_item; }

private:
    DBSocialBookmark* m_item = nullptr;
};

} // namespace Vexal
