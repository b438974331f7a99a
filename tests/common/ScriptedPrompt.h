#pragma once

#include "core/UtilPrompt.h"

#include <QApplication>
#include <QList>
#include <QQueue>
#include <QTest>
#include <QWidget>

#include <memory>

// Answers every prompt of the program without a modal loop and records what
// was asked. Installed for its lifetime.
class ScriptedPrompt : public Vexal::PromptHook
{
public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        // The box had a parent on screen: it stood in front of that window.
        bool parentShown = false;
    };

    ScriptedPrompt() { Vexal::UtilPrompt::setHook(this); }
    ~ScriptedPrompt() override { Vexal::UtilPrompt::setHook(nullptr); }

    // Answers in order; when none is queued a question gets `defaultAnswer`,
    // or with `pressEnter` what Enter answers in the program's own box.
    QQueue<QMessageBox::StandardButton> answers;
    QMessageBox::StandardButton defaultAnswer = QMessageBox::Cancel;
    bool pressEnter = false;
    // File names handed out by the file dialogs, in order; empty = cancelled.
    QQueue<QString> files;

    QList<Message> messages;
    QStringList folders; // starting folders the file dialogs were given

    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        messages.append({icon, title, text, parent && parent->isVisible()});
        if (!answers.isEmpty())
            return answers.dequeue();
        if (pressEnter)
            return enter(parent, icon, title, text, buttons, defaultButton);
        return buttons == QMessageBox::Ok ? QMessageBox::Ok : defaultAnswer;
    }

    // Shows the box the program would show, without a modal loop, and
    // presses Enter where the keyboard focus is, as a user does.
    static QMessageBox::StandardButton enter(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
    {
        const std::unique_ptr<QMessageBox> box =
            Vexal::PromptHook::messageBox(parent, icon, title, text, buttons, defaultButton);
        box->setWindowModality(Qt::NonModal);
        box->show();
        QApplication::setActiveWindow(box.get());
        QWidget* focus = box->focusWidget() ? box->focusWidget() : box.get();
        QTest::keyClick(focus, Qt::Key_Return);
        return box->clickedButton() ? box->standardButton(box->clickedButton()) : QMessageBox::NoButton;
    }
    QString existingDirectory(QWidget*, const QString&, const QString& folder, QFileDialog::Options) override
    {
        folders << folder;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString openFileName(QWidget*, const QString&, const QString& folder, const QString&,
                         QFileDialog::Options) override
    {
        folders << folder;
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QStringList openFileNames(QWidget*, const QString&, const QString& folder, const QString&,
                              QFileDialog::Options) override
    {
        folders << folder;
        QStringList all;
        while (!files.isEmpty())
            all << files.dequeue();
        return all;
    }
    QString saveFileName(QWidget*, const QString&, const QString& folder, const QString&,
                         QFileDialog::Options) override
    {
        folders << folder;
        return files.isEmpty() ? QString() : files.dequeue();
    }
};
