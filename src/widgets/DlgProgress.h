#pragma once

#include "widgets/DlgBase.h"

#include <QPushButton>

class QLabel;
class QProgressBar;

namespace Vexal {

class Thread;

// Runs one background job: the user starts it, watches a busy bar and closes
// the dialog once the job has ended. While the job runs the dialog cannot be
// dismissed in any way (close button, Escape, reject or accept), so a running
// job is never destroyed with the dialog. exec() returns Accepted exactly when
// a successful job was closed with the Close button. The job is the build
// argument here; a dialog that makes its own job sets it and lays out its own
// form around the status label and the progress bar.
class DlgProgress : public DlgBase
{
    Q_OBJECT
public:
    explicit DlgProgress(QWidget* parent = nullptr);
    ~DlgProgress() override;

    Thread* job() const { return m_job; }
    bool isJobRunning() const;

    // A running job is cancelled (Thread::cancel) and the dialog closes,
    // rejected, as soon as the job has ended; otherwise rejected at once.
    void dismiss() override;

public slots:
    void slotStart();
    void slotFinished();
    void slotClose();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void createWidgets() override;
    void connectWidgets() override;

    void setJob(Thread* job) { m_job = job; }
    // The form as the job starts (the button already reads Stop): a busy bar
    // and no button here.
    virtual void prepareRun();
    // The progress bar once the job has ended: full here.
    virtual void showRunEnd();
    template <class D>
    void rewireOkButton(void (D::*slot)())
    {
        disconnect(m_okButton, &QPushButton::clicked, this, nullptr);
        connect(m_okButton, &QPushButton::clicked, static_cast<D*>(this), slot);
    }

    QLabel* m_captionLabel1 = nullptr;
    QLabel* m_captionLabel2 = nullptr;
    QLabel* m_statusLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;

private:
    Thread* m_job = nullptr;
    bool m_closeWhenEnded = false;
};

} // namespace Vexal
