#pragma once

#include "Services.h"

namespace platform {

// Pumps events only once a slice has passed since the last pump, for a coarse clock read a
// call. The clock ticks up to 16 ms, so a slice may be a tick off: still unnoticeable.
class TimeSlicedPump : public EventPump {
public:
    static constexpr qint64 kSliceMs = 10;
    TimeSlicedPump();
    void yield() override;
    void catchUp() override;

protected:
    enum class Input { Deliver, Drop };
    // Lets the pending events run, with the user's input among them or dropped: at a yield
    // at most once per slice, and before every box.
    virtual void pump(Input input);

private:
    qint64 lastPumpMs_;
};

}  // namespace platform
