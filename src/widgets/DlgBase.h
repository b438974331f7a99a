#pragma once

#include <QDialog>

class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace Vexal {

// Base of the program's modal dialogs: program title and icon, a two-column
// form body, Ok and Cancel at the bottom right. build() stores the dialog's
// argument, then runs setupWindow() and create(); create() runs the build
// steps in a fixed order that subclasses rely on. The caller then calls exec().
// A dialog shows its title whole; one that sets a text while it is shown
// calls fitToContents() after it, so the user never has to enlarge it.
class DlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit DlgBase(QWidget* parent = nullptr);

    void build(QObject* argument);

    // Closes the dialog with its safe answer, as Cancel does, when the
    // program has to close: rejected here.
    virtual void dismiss();
    // Every box and dialog open now gets its safe answer: a message box the
    // first of Cancel, No, Abort, Close and Ok it has, a dialog of the
    // program dismiss(), any other dialog reject().
    static void dismissOpenDialogs();

public slots:
    // Accepts only when validate() agrees; otherwise the dialog stays open.
    virtual void slotAccept();
    virtual void slotReject();

protected:
    virtual void setupWindow();
    // createLayout, createBody, createWidgets, createButtonBar, createButtons,
    // connectWidgets, in this order.
    virtual void create();
    virtual void createLayout();
    virtual void createBody();
    virtual void createWidgets();
    virtual void createButtonBar();
    virtual void createButtons();
    virtual void connectWidgets();
    virtual bool validate();

    // A labelled row of the form (an empty label for a row without one).
    void addRow(const QString& label, QWidget* field);
    // Grows the dialog to what its title and texts need now (UtilGui::fitWindow).
    void fitToContents();
    void showEvent(QShowEvent* event) override;

    QString className() const;

    QVBoxLayout* m_mainLayout = nullptr;
    QGridLayout* m_formLayout = nullptr;
    QWidget* m_body = nullptr;
    QHBoxLayout* m_buttonLayout = nullptr;
    QWidget* m_buttonBar = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QObject* m_argument = nullptr;
};

} // namespace Vexal
