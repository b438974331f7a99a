#pragma once

#include "views/BaseEditor.h"

namespace Vexal {

class WidWebsiteComboBox;
class WidWebsiteTypeComboBox;

// An account: name, website (chosen by type), login, password and comments.
// The password is kept scrambled; an untouched field saves the stored text
// unchanged. A new account belongs to the current project. Saving needs a
// website.
class WidAccountEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidAccountEditor(QWidget* parent = nullptr);

    QLineEdit* loginEdit = nullptr;
    WidWebsiteTypeComboBox* typeCombo = nullptr;
    WidWebsiteComboBox* websiteCombo = nullptr;
    WidPasswordEdit* passwordEdit = nullptr;

public slots:
    void handleTypeChanged();

protected:
    void createWidgets() override;
    bool validate() override;

private:
    // Type and website of the stored website id; an id the chooser does not
    // offer leaves the chooser empty, so that saving asks for a website.
    void showWebsite(qint64 websiteId);

    QList<QMetaObject::Connection> m_connections;
};

} // namespace Vexal
