#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;
class QPlainTextEdit;

namespace Vexal {

// Takes one free caption and value for the form filler's list.
class DlgFormFiller final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    // "Untitled" when the header is empty.
    QString header() const;
    // The text as typed, line breaks kept.
    QString data() const;

    QLineEdit* headerEdit() const { return m_headerEdit; }
    QPlainTextEdit* dataEdit() const { return m_dataEdit; }

protected:
    void createWidgets() override;

private:
    QLineEdit* m_headerEdit = nullptr;
    QPlainTextEdit* m_dataEdit = nullptr;
};

} // namespace Vexal
