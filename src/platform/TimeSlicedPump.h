#pragma once

#include "Services.h"

namespace platform {

// Yields to the event queue by time, not per call: a tight loop that yields on every step
// pumps events only once a slice has passed since the last pump, so the window stays
// responsive while pumping costs a reading of a coarse clock per call. That clock moves in
// ticks of up to 16 ms, so a slice may come out a tick shorter or longer: still far below
// a pause anyone would notice.
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
