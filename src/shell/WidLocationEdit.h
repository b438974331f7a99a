#pragma once

#include <QLineEdit>

namespace Vexal {

// The frameless address field: Return or Enter emits onExecute(), taking the
// focus selects the whole text. The search field behaves the same.
//
// The address field also shows the page's address (setPageText), but never
// over the user's work: while it has the focus, or holds an edit not yet
// committed with Return or Enter, the address is kept back and shown once the
// field is left unedited. Escape drops an edit and shows the address again.
class WidLocationEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit WidLocationEdit(QWidget* parent = nullptr);

    void setPageText(const QString& text);
    QString pageText() const { return m_pageText; }
    // Focus to the field with its whole text selected, also when it has the
    // focus already (a paste then replaces the old address).
    void focusAndSelectAll(Qt::FocusReason reason);

signals:
    void onExecute();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isUserBusy() const;

    QString m_pageText;
    bool m_hasPageText = false;
    // Return or Enter was the last thing done in the field: what the page
    // then reports may replace the committed text.
    bool m_committed = false;
};

} // namespace Vexal
