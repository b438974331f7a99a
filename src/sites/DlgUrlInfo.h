#pragma once

#include "widgets/DlgBase.h"

#include <QUrl>

class QLineEdit;

namespace Vexal {

// Shows the parts of one address: scheme, user info, host, port, path and
// fragment, each in a read-only field.
class DlgUrlInfo final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // Call after build(). A missing port shows as an empty field.
    void setUrl(const QUrl& url);

    QString schemeText() const;
    QString userInfoText() const;
    QString hostText() const;
    QString portText() const;
    QString pathText() const;
    QString fragmentText() const;

protected:
    void createWidgets() override;

private:
    QLineEdit* addField(const QString& label);

    QLineEdit* m_schemeEdit = nullptr;
    QLineEdit* m_userInfoEdit = nullptr;
    QLineEdit* m_hostEdit = nullptr;
    QLineEdit* m_portEdit = nullptr;
    QLineEdit* m_pathEdit = nullptr;
    QLineEdit* m_fragmentEdit = nullptr;
};

} // namespace Vexal
