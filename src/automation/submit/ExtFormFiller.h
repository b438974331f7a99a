#pragma once

#include "shell/BaseWebExtension.h"

#include <QWidget>

namespace Vexal {

class ExtFormFillerToolbar;
class WidDNDList;

// A side panel of captioned values that the user drags onto the fields of
// the page: the fields of one stored record (Use Data Source) or free items
// (Add). Nothing of the list is stored. Built when attached to a tab.
class ExtFormFiller final : public QWidget, public BaseWebExtension
{
    Q_OBJECT
public:
    explicit ExtFormFiller(QWidget* parent = nullptr);

    QString caption() const override;

    // Appends one item: the caption as text, the value as Qt::UserRole data.
    void addItem(const QString& caption, const QString& value);

    // Replace the list by the fields of one record; false (list kept, error
    // reported) when the record cannot be loaded.
    bool loadMasterAccount(qint64 id);
    bool loadAccount(qint64 id);
    bool loadDirectory(qint64 id);
    bool loadSocialBookmark(qint64 id);
    bool loadSpunArticle(qint64 id);
    // By source code (see WidDataSourceComboBox); other codes change nothing.
    void loadRecord(int sourceType, qint64 id);

    ExtFormFillerToolbar* toolbar() const { return m_toolbar; }
    WidDNDList* list() const { return m_list; }

public slots:
    void slotAdd();
    void slotDelete();
    void slotFill();
    void slotClose();

protected:
    void create() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Replaces the list by the fields of the record of that id, captions and
    // values in the same order; false when the record cannot be loaded.
    template <class Record, class Values>
    bool loadFields(qint64 id, const QStringList& captions, Values values);

    ExtFormFillerToolbar* m_toolbar = nullptr;
    WidDNDList* m_list = nullptr;
};

} // namespace Vexal
