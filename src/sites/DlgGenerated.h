#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;
class QPushButton;

namespace Vexal {

// Shows one freshly made text (read-only); "Create and Copy" makes another
// and puts it on the clipboard. The kind supplies the label, the maker and
// the characters that vary in what it makes: the field shows the widest text
// of the made shape whole.
class DlgGenerated : public DlgBase
{
    Q_OBJECT
public:
    DlgGenerated(QString (*label)(), QString (*make)(), const QString& alphabet, QWidget* parent = nullptr);

public slots:
    void slotCreateAndCopy();

protected:
    QString text() const;
    void createWidgets() override;
    void createButtons() override;

    QLineEdit* m_textEdit = nullptr;
    QPushButton* m_createButton = nullptr;

private:
    QString (*const m_label)();
    QString (*const m_make)();
    const QString m_alphabet;
};

} // namespace Vexal
