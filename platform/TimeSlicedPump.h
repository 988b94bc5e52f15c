#pragma once

#include "Services.h"

#include <QElapsedTimer>

namespace platform {

// Yields to the event queue by time, not per call: a tight loop that yields on every step
// pumps events only once a slice has passed since the last pump, so the window stays
// responsive while pumping costs a clock read per call.
class TimeSlicedPump : public EventPump {
public:
    static constexpr qint64 kSliceMs = 10;
    TimeSlicedPump();
    void yield() override;
    void catchUp() override;

protected:
    // Lets the pending events run; called at most once per slice.
    virtual void pump();

private:
    QElapsedTimer sinceLastPump_;
};

}  // namespace platform
