#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QLabel;
class QToolButton;

namespace Vexal {

// Base of the find, replace and go-to-line bars: a row with a close button and
// a caption, and a dark line along the top edge. The owner calls init() once
// after construction.
class WidFindBase : public QWidget
{
    Q_OBJECT
public:
    explicit WidFindBase(QWidget* parent = nullptr);

    // Gives the bar's input the focus with the text in it (the selected text
    // of the current tab); nothing in the base.
    virtual void activate(const QString& text);

    void init();

    QToolButton* closeButton() const { return m_closeButton; }
    QLabel* caption() const { return m_caption; }

signals:
    void onClose();

public slots:
    void slotClose();

protected:
    virtual void create();
    void paintEvent(QPaintEvent* event) override;

    QHBoxLayout* m_layout = nullptr;
    QToolButton* m_closeButton = nullptr;
    QLabel* m_caption = nullptr;
};

// The find and replace bars: a text to look for, Next and Previous buttons, a
// bar's own action button (Select All, Replace All) and Match Case, with the
// bar's extra fields between the text and the buttons.
class WidTextFindBase : public WidFindBase
{
    Q_OBJECT
public:
    using WidFindBase::WidFindBase;

    // Puts the text in the edit, selected, with the focus.
    void activate(const QString& text) override;

    QLineEdit* edit() const { return m_edit; }
    QToolButton* nextButton() const { return m_nextButton; }
    QToolButton* previousButton() const { return m_previousButton; }
    QCheckBox* matchCase() const { return m_matchCase; }

protected:
    // Builds the row; the widgets makeExtra creates (after the edit, so that the
    // focus chain follows the row) stand between the edit and the buttons.
    void createRow(const QString& caption, const QString& actionText,
                   const std::function<QList<QWidget*>()>& makeExtra = {});
    // The edit's text; empty while the row is not built.
    QString searchText() const;
    bool isMatchCase() const;
    virtual void slotNext() = 0;
    virtual void slotPrevious() = 0;
    virtual void slotAction() = 0;

    QLineEdit* m_edit = nullptr;
    QToolButton* m_nextButton = nullptr;
    QToolButton* m_previousButton = nullptr;
    QToolButton* m_actionButton = nullptr;
    QCheckBox* m_matchCase = nullptr;
};

} // namespace Vexal
