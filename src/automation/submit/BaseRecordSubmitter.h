#pragma once

#include "automation/smart/SmartFillReport.h"
#include "automation/submit/BaseSubmitter.h"
#include "shell/PageDom.h"
#include "shell/WidWebView.h"
#include "sites/WidWebsiteComboBox.h"

#include <QStringList>

namespace Vexal {

// A panel whose drag values are the fields of one record of Record, chosen in
// a box of Box below the website; Submit hands the chosen record and website
// to a Delegate, which fills the page and returns; the panel then does what
// it does after a fill (afterFill) and tells the user once, its own lines
// first. What differs between the record kinds is data (Setup).
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
        delegate.fill(m_box->currentId(), websiteBox()->currentId());
        const Told told = afterFill(delegate.report());
        delegate.tell(told.lines, told.untilClosed);
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

    // What the panel tells the user before the fill's own notice; a failure
    // stays on the bar until closed.
    struct Told {
        QStringList lines;
        bool untilClosed = false;
    };
    // Runs after the delegate filled the form (report: what it did), before
    // the user is told.
    virtual Told afterFill(const SmartFillReport&) { return Told(); }

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
