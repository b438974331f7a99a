#pragma once

#include <QObject>

namespace Vexal {

// Hook of the main window's debug command; does nothing.
class Debug final : public QObject
{
    Q_OBJECT
public:
    explicit Debug(QObject* parent = nullptr);

    void run();
};

} // namespace Vexal
