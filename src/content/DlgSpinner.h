#pragma once

#include "widgets/DlgBase.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QSpinBox;

namespace Vexal {

class DBArticle;
class ThreadSpinner;

// Spins one article into spun articles. Built with the saved article as its
// argument; the user sets how many spun articles to make and whether they
// keep the original spintax, then presses Start. While the job runs the
// button reads Stop (ending the run after the current spun article) and the
// dialog cannot be dismissed in any way; afterwards it reads Close. exec()
// returns Accepted exactly when a successful run was closed with Close.
class DlgSpinner final : public DlgBase
{
    Q_OBJECT
public:
    static constexpr int maxCount = 1000;
    static constexpr int defaultCount = 10;

    explicit DlgSpinner(QWidget* parent = nullptr);
    ~DlgSpinner() override;

    // Made by build() for a saved article; null otherwise.
    ThreadSpinner* job() const { return m_job; }
    bool isJobRunning() const;

    QSpinBox* countBox() const { return m_countBox; }
    QCheckBox* includeOriginalBox() const { return m_includeOriginal; }
    QPushButton* startButton() const { return m_okButton; }
    QPushButton* closeButton() const { return m_cancelButton; }
    QLabel* statusLabel() const { return m_status; }
    QProgressBar* progressBar() const { return m_progress; }

public slots:
    void slotStart();
    void slotStop();
    void slotProgress(int done, int total);
    void slotFinished();
    void slotClose();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void createWidgets() override;
    void connectWidgets() override;

private:
    void rewireStartButton(void (DlgSpinner::*slot)());

    DBArticle* m_article = nullptr;
    ThreadSpinner* m_job = nullptr;
    QSpinBox* m_countBox = nullptr;
    QCheckBox* m_includeOriginal = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
};

} // namespace Vexal
