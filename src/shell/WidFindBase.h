#pragma once

#include <QWidget>

class QHBoxLayout;
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

} // namespace Vexal
