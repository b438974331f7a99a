#pragma once

#include "widgets/DlgProgress.h"

class QCheckBox;
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
class DlgSpinner final : public DlgProgress
{
    Q_OBJECT
public:
    static constexpr int maxCount = 1000;
    static constexpr int defaultCount = 10;

    using DlgProgress::DlgProgress;
    ~DlgSpinner() override;

    // Made by build() for a saved article; null otherwise.
    ThreadSpinner* job() const { return m_spinner; }

    QSpinBox* countBox() const { return m_countBox; }
    QCheckBox* includeOriginalBox() const { return m_includeOriginal; }
    QPushButton* startButton() const { return m_okButton; }
    QPushButton* closeButton() const { return m_cancelButton; }
    QLabel* statusLabel() const { return m_statusLabel; }
    QProgressBar* progressBar() const { return m_progressBar; }

public slots:
    void slotStop();
    void slotProgress(int done, int total);

protected:
    void createWidgets() override;
    void prepareRun() override;
    void showRunEnd() override;

private:
    DBArticle* m_article = nullptr;
    ThreadSpinner* m_spinner = nullptr;
    QSpinBox* m_countBox = nullptr;
    QCheckBox* m_includeOriginal = nullptr;
};

} // namespace Vexal
