#pragma once

#include "core/UtilPrompt.h"

#include <QList>
#include <QQueue>

// Answers every prompt of the program without a modal loop and records what
// was asked. Installed for its lifetime.
class ScriptedPrompt : public Vexal::PromptHook
{
public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    ScriptedPrompt() { Vexal::UtilPrompt::setHook(this); }
    ~ScriptedPrompt() override { Vexal::UtilPrompt::setHook(nullptr); }

    // Answers in order; when none is queued a question gets `defaultAnswer`.
    QQueue<QMessageBox::StandardButton> answers;
    QMessageBox::StandardButton defaultAnswer = QMessageBox::Cancel;
    // File names handed out by the file dialogs, in order; empty = cancelled.
    QQueue<QString> files;

    QList<Message> messages;
    QStringList folders; // starting folders the file dialogs were given

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton) override
    {
        messages.append({icon, title, text});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == QMessageBox::Ok ? QMessageBox::Ok : defaultAnswer;
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
