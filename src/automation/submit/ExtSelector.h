#pragma once

#include "shell/BaseWebExtension.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace Vexal {

class ExtSelectorToolbar;
class SelectorBuilder;
class WidSelectorComboBox;
class WidTextEdit;

// The selector tool beside a web page: Parse prints the typed selector in
// its canonical form or shows the parser's message in red; Highlight also
// draws a border around every element the selector finds (after a failed
// parse, the steps read before the fault). Built when attached to a tab.
class ExtSelector final : public QWidget, public BaseWebExtension
{
    Q_OBJECT
public:
    explicit ExtSelector(QWidget* parent = nullptr);


    ExtSelectorToolbar* toolbar() const { return m_toolbar; }
    WidSelectorComboBox* selectorBox() const { return m_selectorBox; }
    QLineEdit* parsedEdit() const { return m_parsedEdit; }
    WidTextEdit* messageEdit() const { return m_messageEdit; }
    QPushButton* parseButton() const { return m_parseButton; }
    QPushButton* highlightButton() const { return m_highlightButton; }

    static QString borderStyle();

public slots:
    void slotParse();
    void slotHighlight();
    void slotCopy();
    void slotClose();

protected:
    void create() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Builds the box's text into the builder and shows the outcome.
    void parseInto(SelectorBuilder& builder);
    // Shows a message in red in the message box.
    void showError(const QString& text);

    ExtSelectorToolbar* m_toolbar = nullptr;
    WidSelectorComboBox* m_selectorBox = nullptr;
    QLineEdit* m_parsedEdit = nullptr;
    QPushButton* m_parseButton = nullptr;
    QPushButton* m_highlightButton = nullptr;
    WidTextEdit* m_messageEdit = nullptr;
};

} // namespace Vexal
