#include "core/Random.h"

namespace Vexal {

Random::Random(QObject* parent)
    : QObject(parent)
    , m_generator(QRandomGenerator::securelySeeded())
    , m_offsets({34, 2, 12, 98, 23, 3, 87, 57, 34, 7, 47, 5, 83, 37, 53, 48, 78, 64, 6, 11})
{
}

int Random::next(int n)
{
    if (n < 1)
        return 0;
    m_cursor = (m_cursor + 1) % m_offsets.size();
    const int r = int(m_generator.bounded(quint32(n)));
    // A fixed offset added modulo n keeps the draw uniform.
    return int((qint64(r) + m_offsets.at(m_cursor)) % n);
}

} // namespace Vexal
