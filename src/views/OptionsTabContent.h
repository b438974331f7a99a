#pragma once

#include "views/OptionsTabBase.h"

class QCheckBox;

namespace Vexal {

// Page content, import behaviour and pop-ups: columns of check boxes.
class OptionsTabContent final : public OptionsTabBase
{
    Q_OBJECT
public:
    using OptionsTabBase::OptionsTabBase;

    QCheckBox* flashBox() const { return m_flash; }
    QCheckBox* imagesBox() const { return m_images; }
    QCheckBox* javaScriptBox() const { return m_javaScript; }
    QCheckBox* overrideBox() const { return m_override; }
    QCheckBox* blockPopupsBox() const { return m_blockPopups; }
    QCheckBox* focusPopupsBox() const { return m_focusPopups; }
    QCheckBox* ignoreSslBox() const { return m_ignoreSsl; }

protected:
    void createWidgets() override;

private:
    QCheckBox* m_flash = nullptr;
    QCheckBox* m_images = nullptr;
    QCheckBox* m_javaScript = nullptr;
    QCheckBox* m_override = nullptr;
    QCheckBox* m_blockPopups = nullptr;
    QCheckBox* m_focusPopups = nullptr;
    QCheckBox* m_ignoreSsl = nullptr;
};

} // namespace Vexal
