#pragma once

#include "views/BaseTree.h"

namespace Vexal {

// The words beside the synonyms table: each language, sorted by name, with
// its words as children. Column 0 carries the word id under Qt::UserRole
// (words only) and the language id under languageRole.
class WidWordTree final : public BaseTree
{
    Q_OBJECT
public:
    static constexpr int languageRole = Qt::UserRole + 1;

    explicit WidWordTree(SyncManager* syncManager, QWidget* parent = nullptr);

    // Refills the tree and chooses the word of that id again, if any.
    void refresh(qint64 wordId);
    // The chosen word's id; -1 when no word is chosen.
    qint64 currentWordId() const;
    // The language of the chosen item; -1 when nothing is chosen.
    qint64 currentLanguageId() const;

protected:
    void reload() override;
};

} // namespace Vexal
