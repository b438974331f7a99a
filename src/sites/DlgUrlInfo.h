#pragma once

#include "widgets/DlgBase.h"

#include <QUrl>

class QLineEdit;

namespace Vexal {

// Shows the parts of one address: scheme, user info, host, port, path and
// fragment, each in a read-only field.
class DlgUrlInfo : public DlgBase
{
    Q_OBJECT
public:
    explicit DlgUrlInfo(QWidget* parent = nullptr);

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

    QLineEdit* schemeEdit = nullptr;
    QLineEdit* userInfoEdit = nullptr;
    QLineEdit* hostEdit = nullptr;
    QLineEdit* portEdit = nullptr;
    QLineEdit* pathEdit = nullptr;
    QLineEdit* fragmentEdit = nullptr;
};

} // namespace Vexal
