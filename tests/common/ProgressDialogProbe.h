#pragma once

#include "widgets/DlgProgress.h"

#include <QLabel>
#include <QPushButton>

// The progress dialog with its buttons and status line in reach of a test.
class ProgressDialogProbe : public Vexal::DlgProgress
{
public:
    using DlgProgress::DlgProgress;
    QPushButton* ok() const { return m_okButton; }
    QPushButton* cancel() const { return m_cancelButton; }
    QLabel* status() const { return m_statusLabel; }
};
