#pragma once

#include "shell/BaseWebToolbar.h"

namespace Vexal {

// The tool bar of a submitter panel: Tooltips, Submit, Close. Call build()
// once after construction.
class BaseSubmitterToolbar final : public BaseWebToolbar
{
    Q_OBJECT
public:
    explicit BaseSubmitterToolbar(const QString& title, QWidget* parent = nullptr);

    // Null before build().
    QToolButton* submitButton() const { return m_submitButton; }

signals:
    void onSubmit();

protected:
    void createExtraButtons() override;

private:
    QToolButton* m_submitButton = nullptr;
};

} // namespace Vexal
