#pragma once

#include "views/BaseEditor.h"

class QDateEdit;

namespace Vexal {

// A stored page rank: name, host, date, Google PR, Alexa rank, comments.
class WidRankEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidRankEditor(QWidget* parent = nullptr);


    QLineEdit* hostEdit = nullptr;
    QDateEdit* dateEdit = nullptr;

protected:
    void createWidgets() override;
    void fillWidgets(DBBase* record) override;
    void clearWidgets() override;
    void storeWidgets(DBBase* record) override;
    void connectWidgets() override;
    void disconnectWidgets() override;

private:
    QMetaObject::Connection m_dateConnection;
};

} // namespace Vexal
