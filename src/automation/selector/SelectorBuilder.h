#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace Vexal {

class Selector;
class SelectorAttribute;
class SelectorError;
class SelectorList;

// Turns a selector text into a SelectorList, or reports its first fault with
// the position in the text stripped of white space. Every object a build makes
// belongs to the builder and lives as long as it does.
class SelectorBuilder final : public QObject
{
    Q_OBJECT
public:
    explicit SelectorBuilder(QObject* parent = nullptr);

    // The result carries the caption and this value (no values).
    void build(const QString& text, const QString& caption, const QString& value);
    // The result carries the caption and these values (an empty value).
    void build(const QString& text, const QString& caption, const QStringList& values);

    // Null after a successful build.
    SelectorError* error() const { return m_error; }
    // Null for an empty text; after a failed build, the steps made before the fault.
    SelectorList* result() const { return m_result; }

    // Drops white space outside double quotes; the quotes stay.
    static QString strip(const QString& text);

private:
    enum State {
        StateFirstStep = 0,
        StateNextStep = 1,
        StateName = 2,
        StateComparison = 3,
        StateValue = 4,
        StateJoin = 5,
        StateDone = 6
    };

    void start(const QString& text, const QString& caption);
    void run();
    bool readFirstStep();
    bool readNextStep();
    bool readStep(bool first);
    bool readName();
    bool readComparison();
    bool readValue();
    bool readJoin();
    bool parse(int start, int end, bool first);
    bool setJoin(int join);
    void setError(const QString& text);

    QString m_text;
    QString m_caption;
    QString m_value;
    QStringList m_values;
    SelectorError* m_error = nullptr;
    int m_state = StateFirstStep;
    int m_pos = 0;
    int m_length = 0;
    SelectorList* m_result = nullptr;
    Selector* m_selector = nullptr;
    SelectorAttribute* m_attribute = nullptr;
};

} // namespace Vexal
