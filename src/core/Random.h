#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QVector>

namespace Vexal {

// Bounded random integers for picking among alternatives. Each instance has
// its own generator, seeded once from the system source; an instance belongs
// to the thread that uses it.
class Random final : public QObject
{
    Q_OBJECT
public:
    explicit Random(QObject* parent = nullptr);

    // Uniform in 0 .. n-1 for n >= 1; 0 for n < 1.
    int next(int n);

    // Position in the offset table used by the last draw.
    int cursor() const { return m_cursor; }

private:
    QRandomGenerator m_generator;
    QVector<int> m_offsets;
    int m_cursor = 0;
};

} // namespace Vexal
