#pragma once

#include "exchange/XmlProjectBase.h"

namespace Vexal {

class DBSocialBookmark;

class XmlSocialBookmark : public XmlProjectBase
{
    Q_OBJECT
public:
    explicit XmlSocialBookmark(QObject* parent = nullptr);

    void write(QDomDocument& document, QDomElement& item) override;
    bool read(const QDomElement& item) override;

    DBSocialBookmark* item() const { return m_item; }

private:
    DBSocialBookmark* m_item = nullptr;
};

} // namespace Vexal
