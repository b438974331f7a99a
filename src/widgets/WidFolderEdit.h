#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace Vexal {

// A folder field: a read-only line edit and a "..." button that lets the user
// choose a folder. Built by init(); onFolderChanged() is emitted when the user
// chooses a folder other than the shown one (setFolder() does not emit it).
// Disabling the field disables the button with it.
class WidFolderEdit final : public QWidget
{
    Q_OBJECT
public:
    explicit WidFolderEdit(QWidget* parent = nullptr);

    void init();

    QString folder() const;
    void setFolder(const QString& folder);

    QLineEdit* lineEdit() const { return m_edit; }
    QToolButton* browseButton() const { return m_button; }

signals:
    void onFolderChanged();

public slots:
    void slotBrowse();

private:
    QLineEdit* m_edit = nullptr;
    QToolButton* m_button = nullptr;
};

} // namespace Vexal
