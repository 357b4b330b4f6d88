#pragma once

#include <QDate>

namespace vantrel::platform {

// Every "today" of the program comes from here.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
};

} // namespace vantrel::platform
