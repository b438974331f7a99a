#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QMenu;
class QToolButton;

namespace Vexal {

class WidSearchEdit;

// The search bar of a navigation bar: the engine button (its arrow opens the
// engine menu, a click searches) and the search field. Every search bar of
// the process shows the same engine: a choice in one is broadcast through the
// signal hub (onUpdateSearchEngine) and followed by all.
//
// Engine codes: 2 Google, 4 Yahoo, 8 Amazon, 16 Answers, 32 Wikipedia.
class WidSearchBar final : public QWidget
{
    Q_OBJECT
public:
    explicit WidSearchBar(QWidget* parent = nullptr);

    // Call once, right after construction.
    void build();
    // Switches this bar to the engine; unknown codes change nothing.
    void setEngine(int code);
    // Shows the words in the field, focuses it and emits the query URL;
    // empty words do nothing.
    void search(const QString& words);
    void focusSearch();
    // The query URL of the current template with the words percent-encoded
    // in place of its marker.
    QUrl queryUrl(const QString& words) const;
    QString queryTemplate() const { return m_queryTemplate; }

    // The engine last chosen in any search bar; 2 until one is chosen.
    static int currentEngine();
    // Sets the process-wide engine without a bar (unknown codes are ignored).
    static void setCurrentEngine(int code);

    QToolButton* engineButton() const { return m_engineButton; }
    WidSearchEdit* searchEdit() const { return m_searchEdit; }
    QMenu* engineMenu() const { return m_engineMenu; }

signals:
    void onLoad(const QUrl& url);

public slots:
    void slotExecute();
    void slotSearchEngineChanged();
    void handleSearchEngineChanged(int code);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* m_engineButton = nullptr;
    WidSearchEdit* m_searchEdit = nullptr;
    QMenu* m_engineMenu = nullptr;
    QString m_queryTemplate;
};

} // namespace Vexal
