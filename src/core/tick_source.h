#pragma once

#include <cstdint>

namespace zn {

// The millisecond clock of the run timing. The serial reader threads read it
// too, the moment they see a contact, so an implementation must be safe to
// call from any thread.
class ITickSource {
public:
    virtual ~ITickSource() = default;
    // Milliseconds of a steady clock, cut to 32 bits (wraps after ~49.7 days).
    virtual uint32_t TickCount() = 0;
    // Blocks the calling thread; the run timing uses it for the 200 ms start delay.
    virtual void Sleep(int ms) = 0;
};

} // namespace zn
