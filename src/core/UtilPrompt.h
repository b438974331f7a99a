#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

namespace Vexal {

// Every message box, question box and file dialog of the program goes through
// one replaceable hook. The default hook shows the ordinary Qt dialogs; tests
// install their own to answer without a modal loop.
class PromptHook
{
public:
    virtual ~PromptHook();

    // What a box answers when nobody can: Cancel, No, Abort, Close or Ok,
    // the first of them it has.
    static QMessageBox::StandardButton safeAnswer(QMessageBox::StandardButtons buttons);

    // The message box that message() shows (not yet shown): the buttons, and
    // the default button that Enter presses.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                   const QString& text, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton);

    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    virtual QString existingDirectory(QWidget* parent, const QString& caption, const QString& folder,
                                      QFileDialog::Options options);
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, QFileDialog::Options options);
    virtual QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter, QFileDialog::Options options);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, QFileDialog::Options options);
};

class UtilPrompt final
{
public:
    UtilPrompt() = delete;

    // The hook in use; never null.
    static PromptHook* hook();
    // Installs a hook (not owned); nullptr restores the default one.
    static void setHook(PromptHook* hook);

    // The program is closing: from now on every box answers its safe answer
    // and every file dialog is cancelled at once, whatever hook is
    // installed, and nothing is shown.
    static void setClosing(bool closing);
    static bool isClosing();

    static void information(QWidget* parent, const QString& title, const QString& text);
    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void critical(QWidget* parent, const QString& title, const QString& text);
    static QMessageBox::StandardButton question(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
};

} // namespace Vexal
