#pragma once

#include "automation/submit/BaseSubmitter.h"
#include "shell/PageDom.h"
#include "shell/WidWebView.h"
#include "sites/WidWebsiteComboBox.h"

namespace Vexal {

// A panel whose drag values are the fields of one record of Record, chosen in
// a box of Box below the website; Submit hands the chosen record and website
// to a Delegate. What differs between the record kinds is data (Setup).
// A panel's header includes the three, as its callers instantiate Submit.
template <class Box, class Record, class Delegate>
class BaseRecordSubmitter : public BaseSubmitter
{
public:
    QString caption() const override { return m_setup.caption(); }

    Box* recordBox() const { return m_box; }

    void slotSubmit() override
    {
        if (!startSubmit({m_box}))
            return;
        Delegate delegate(PageDomHandle(webView()), this);
        beforeSubmit(delegate);
        delegate.submit(m_box->currentId(), websiteBox()->currentId());
    }

protected:
    struct Setup {
        int websiteType; // -1: the user chooses the type
        QString (*caption)();
        QString (*chooserLabel)();
        // The drag items' captions and a record's values, in the same order.
        QStringList (*fieldCaptions)();
        QStringList (*fieldValues)(const Record&);
    };

    BaseRecordSubmitter(const Setup& setup, QWidget* parent)
        : BaseSubmitter(parent)
        , m_setup(setup)
    {
        if (setup.websiteType >= 0)
            setFixedType(setup.websiteType);
    }

    // Runs after the checks of Submit, before the delegate fills the form.
    virtual void beforeSubmit(Delegate&) {}

    void createChoosers() override
    {
        BaseSubmitter::createChoosers();
        m_box = new Box(body());
        addRecordChooser(m_setup.chooserLabel(), m_box);
    }

    void fillFieldList() override { addDragItems(m_setup.fieldCaptions()); }

    void loadItems() override { m_box->reload(); }

    void fillValues() override
    {
        Record record;
        if (loadChosen(m_box, &record))
            setDragValues(m_setup.fieldValues(record));
    }

private:
    const Setup m_setup;
    Box* m_box = nullptr;
};

} // namespace Vexal
