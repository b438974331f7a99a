#pragma once

#include "views/BaseEditor.h"

#include <QList>

namespace Vexal {

// A website: name, type flags (one box per type), host list, login with the
// e-mail address, page addresses, ranks and comments. A new website starts
// with the type of its start parameters (Email when none).
class WidWebsiteEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidWebsiteEditor(QWidget* parent = nullptr);

    // The Host text of the input: every host in braces, "{a}{b}", lower case,
    // without scheme, path or port. Input already in braces keeps its braced
    // hosts; otherwise hosts are separated by blanks, commas or semicolons.
    static QString hostText(const QString& input);

    int typeFlags() const;
    void setTypeFlags(int flags);

    QLineEdit* hostEdit = nullptr;
    QLineEdit* homePageEdit = nullptr;
    QLineEdit* loginPageEdit = nullptr;
    QCheckBox* emailBox = nullptr;
    QList<QCheckBox*> typeBoxes;

protected:
    void createWidgets() override;
    void storeWidgets(DBBase* record) override;
};

} // namespace Vexal
