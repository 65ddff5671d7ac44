#pragma once

#include <cstdint>

// The time a tone playback goes by. The program's clock is the count of
// samples handed to the sound device, so that the next tone is due exactly
// when the last one has been played; tests set the time by hand.
class ToneClock {
public:
    virtual ~ToneClock() = default;
    // Microseconds since some fixed moment; never goes back.
    virtual std::int64_t nowMicros() const = 0;
};
