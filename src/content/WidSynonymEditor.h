#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

// A synonym: name and comments, of the word it was made for (a new synonym
// takes the word from the Init's second id). A name may stand once per word.
class WidSynonymEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidSynonymEditor(QWidget* parent = nullptr);

protected:
    void createWidgets() override;
    void storeWidgets(DBBase* record) override;
    bool validate() override;

private:
    qint64 wordId() const;
};

} // namespace Vexal
