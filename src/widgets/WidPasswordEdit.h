#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace Vexal {

// A password field with a show/hide button. It is given the stored
// (scrambled) text and shows the plain password; it hands back the scrambled
// form. A field the user has not touched hands back the stored text exactly
// as it was given, so a password that cannot be read is never lost on save.
class WidPasswordEdit final : public QWidget
{
    Q_OBJECT
public:
    explicit WidPasswordEdit(QWidget* parent = nullptr);

    // An empty stored text clears the field.
    void setScrambledText(const QString& stored);
    // "" when the field is empty.
    QString scrambledText() const;

    QString plainText() const;
    void setPlainText(const QString& text);

    bool isModified() const { return m_modified; }
    bool isPasswordShown() const;

    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* showButton() const { return m_button; }

signals:
    void textChanged(const QString& text);

public slots:
    void handleHidePassword();
    void handleShowPassword(bool show);

private:
    QLineEdit* m_edit = nullptr;
    QToolButton* m_button = nullptr;
    QString m_stored;
    bool m_modified = false;
};

} // namespace Vexal
