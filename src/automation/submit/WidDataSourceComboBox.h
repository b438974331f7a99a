#pragma once

#include <QComboBox>

namespace Vexal {

// The record kinds the form filler takes its items from, each with its code
// as item data.
class WidDataSourceComboBox final : public QComboBox
{
    Q_OBJECT
public:
    enum Source {
        SourceMasterAccounts = 0,
        SourceAccounts = 1,
        SourceDirectories = 2,
        SourceSocialBookmarks = 3,
        SourceSpunArticles = 5
    };

    explicit WidDataSourceComboBox(QWidget* parent = nullptr);

    // The five sources in order, the first selected.
    void fill();
    // The first item with that code, else the first item.
    void selectByCode(int code);
    // 0 when there is no current item.
    int currentCode() const;
};

} // namespace Vexal
