#pragma once

#include <QWidget>

class QLabel;

namespace Vexal {

// The window's status strip: the project label (rich text), the hovered link
// and the current tab's status. The owner calls init() once after
// construction and pushes the texts in.
class WidStatusBar final : public QWidget
{
    Q_OBJECT
public:
    explicit WidStatusBar(QWidget* parent = nullptr);

    void init();

    void setProjectText(const QString& text);
    void setLinkText(const QString& text);
    void setTabStatus(const QString& text);

    QLabel* projectLabel() const { return m_projectLabel; }
    QLabel* linkLabel() const { return m_linkLabel; }
    QLabel* statusLabel() const { return m_statusLabel; }

protected:
    virtual void create();
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_projectLabel = nullptr;
    QLabel* m_linkLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
};

} // namespace Vexal
