#pragma once

#include "automation/submit/BaseSubmitter.h"

namespace Vexal {

class WidArticleComboBox;
class WidSpinnedArticleComboBox;

// Submits a spun variant of one of the current project's articles to a
// website of type Articles. The drag values are the spun article's final
// texts, spun again from the spintax where a final text is empty.
class ExtArticleSubmitter final : public BaseSubmitter
{
    Q_OBJECT
public:
    explicit ExtArticleSubmitter(QWidget* parent = nullptr);

    QString caption() const override;

    WidArticleComboBox* articleBox() const { return m_articleBox; }
    WidSpinnedArticleComboBox* spunArticleBox() const { return m_spunArticleBox; }

public slots:
    void slotSubmit() override;
    void slotArticleChanged();

protected:
    void createChoosers() override;
    void fillFieldList() override;
    void connectWidgets() override;
    void disconnectWidgets() override;
    void loadItems() override;
    void fillValues() override;

private:
    WidArticleComboBox* m_articleBox = nullptr;
    WidSpinnedArticleComboBox* m_spunArticleBox = nullptr;
};

} // namespace Vexal
