#pragma once

#include "views/BaseEditor.h"

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
};

} // namespace Vexal
