#pragma once

#include "automation/smart/SmartLookup.h"
#include "shell/PageDom.h"

#include <QList>

namespace Vexal {

// Walks the main frame of a page, collects every form control in document
// order, marks the invisible ones and filters them by HTML type.
class SmartElementLookup final : public SmartLookup
{
    Q_OBJECT
public:
    explicit SmartElementLookup(QObject* parent);

    void setButton(bool on) { m_accept[1] = on; }
    void setCheckBox(bool on) { m_accept[2] = on; }
    void setFile(bool on) { m_accept[3] = on; }
    void setHidden(bool on) { m_accept[4] = on; }
    void setImage(bool on) { m_accept[5] = on; }
    void setPassword(bool on) { m_accept[6] = on; }
    void setRadio(bool on) { m_accept[7] = on; }
    void setReset(bool on) { m_accept[8] = on; }
    void setSelect(bool on) { m_accept[9] = on; }
    void setSubmit(bool on) { m_accept[10] = on; }
    void setText(bool on) { m_accept[11] = on; }
    void setTextArea(bool on) { m_accept[12] = on; }
    void setIFrame(bool on) { m_accept[13] = on; }
    void setUnnamed(bool on) { m_unnamed = on; }
    // Keeps the controls of that HTML type code; other codes are ignored.
    void setAccepted(int type, bool on)
    {
        if (type >= 1 && type <= 13)
            m_accept[type] = on;
    }

    // The page of a page access handed out for a web view: the controls
    // found hold it.
    void lookup(const PageDomHandle& page, QObject* parent);
    // Any page access: the controls found stay valid while it lives.
    void lookup(PageDom& page, QObject* parent);

private:
    void writeLog(SmartLog* report) override;

    struct Frame {
        PageElement owner;
        PageElement document;
        bool editor;
    };

    void walk(const PageElement& root, QObject* parent);
    void filter();
    void collectFrames(PageDom& page, const PageElement& document, const QString& origin);
    // The hidden text area a rich editor's frame stands over; null for none.
    PageElement editedArea(const SmartElement* frame) const;
    // How far above its frame an editor's container and the area beside it
    // are looked for.
    static constexpr int EditorDepth = 5;
    const Frame* frameOwnedBy(const PageElement& element) const;

    QList<Frame> m_frames;

    bool m_accept[14] = {};
    bool m_unnamed = false;
};

} // namespace Vexal
