#include "core/UtilPrompt.h"

#include <cstdio>

namespace Vexal {

namespace {

// Set (to anything but "0") by scripts and tests that run the program where
// nobody can answer a modal box, such as on the offscreen platform: message
// boxes then go to standard error with the safe answer, dialogs are cancelled.
bool nonInteractive()
{
    static const bool set = [] {
        const QByteArray value = qgetenv("TESVAR_NONINTERACTIVE");
        return !value.isEmpty() && value != "0";
    }();
    return set;
}

PromptHook* installedHook = nullptr;
bool closing = false;

// The hook of a closing program: nothing is shown, nothing is chosen.
class ClosingHook final : public PromptHook
{
public:
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton) override
    {
        return safeAnswer(buttons);
    }
    QString existingDirectory(QWidget*, const QString&, const QString&, QFileDialog::Options) override
    {
        return QString();
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&, QFileDialog::Options) override
    {
        return QString();
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&, const QString&,
                              QFileDialog::Options) override
    {
        return QStringList();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&, QFileDialog::Options) override
    {
        return QString();
    }
};

PromptHook* defaultHook()
{
    static PromptHook hook;
    return &hook;
}

} // namespace

PromptHook::~PromptHook() = default;

QMessageBox::StandardButton PromptHook::safeAnswer(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton button : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Abort,
                                               QMessageBox::Close, QMessageBox::Ok}) {
        if (buttons.testFlag(button))
            return button;
    }
    return QMessageBox::NoButton;
}

QMessageBox::StandardButton PromptHook::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    if (nonInteractive()) {
        std::fprintf(stderr, "%s: %s\n", title.toUtf8().constData(), text.toUtf8().constData());
        std::fflush(stderr);
        return safeAnswer(buttons);
    }
    const std::unique_ptr<QMessageBox> box = messageBox(parent, icon, title, text, buttons, defaultButton);
    return QMessageBox::StandardButton(box->exec());
}

std::unique_ptr<QMessageBox> PromptHook::messageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                    const QString& text, QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, parent);
    box->setDefaultButton(defaultButton);
    return box;
}

QString PromptHook::existingDirectory(QWidget* parent, const QString& caption, const QString& folder,
                                      QFileDialog::Options options)
{
    if (nonInteractive())
        return QString();
    return QFileDialog::getExistingDirectory(parent, caption, folder, options);
}

QString PromptHook::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, QFileDialog::Options options)
{
    if (nonInteractive())
        return QString();
    return QFileDialog::getOpenFileName(parent, caption, folder, filter, nullptr, options);
}

QStringList PromptHook::openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter, QFileDialog::Options options)
{
    if (nonInteractive())
        return QStringList();
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter, nullptr, options);
}

QString PromptHook::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, QFileDialog::Options options)
{
    if (nonInteractive())
        return QString();
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr, options);
}

PromptHook* UtilPrompt::hook()
{
    if (closing) {
        static ClosingHook hook;
        return &hook;
    }
    return installedHook ? installedHook : defaultHook();
}

void UtilPrompt::setClosing(bool value)
{
    closing = value;
}

bool UtilPrompt::isClosing()
{
    return closing;
}

void UtilPrompt::setHook(PromptHook* hook)
{
    installedHook = hook;
}

void UtilPrompt::information(QWidget* parent, const QString& title, const QString& text)
{
    hook()->message(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void UtilPrompt::warning(QWidget* parent, const QString& title, const QString& text)
{
    hook()->message(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void UtilPrompt::critical(QWidget* parent, const QString& title, const QString& text)
{
    hook()->message(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QMessageBox::StandardButton UtilPrompt::question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return hook()->message(parent, QMessageBox::Question, title, text, buttons, defaultButton);
}

} // namespace Vexal
