// Control interface of the simulated camera for tests and demonstrations; not part of VX3lib.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "VX3lib.h"

namespace vx3sim {

// Every wait and every time-dependent behaviour of the simulated camera reads this clock, so
// that a program under test can run the camera in its own (virtual) time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMicroseconds() = 0;
    virtual void sleepMicroseconds(std::int64_t duration) = 0;
};

// nullptr restores the system's steady clock. The clock must outlive its use.
VX3_API void setClock(Clock* clock);

// Back to the state of a freshly plugged camera that nobody has opened: registers at power-on,
// no faults, default identity (sensor from the VX3SIM_SENSOR environment variable, else OV7610;
// unit and bad unit from VX3SIM_UNIT and VX3SIM_BAD_UNIT, else the nominal unit, sound),
// plugged in, live view stopped, empty log, frame counter 0. The clock and the lock path stay.
VX3_API void reset();

// Unit identity: the seed of one manufactured camera. It sets the colour temperature of the
// unit's lamp (2950 K to 3450 K) and its sensor's red and blue sensitivities (within 5 % and 6 %
// of green), so that each unit needs its own neutral white-balance gains; the same seed always
// gives the same unit and the same frames. Seed 0 is the nominal unit: a 3200 K lamp, whose
// OV7610 is neutral at blue 0x8C and red 0x30. Changing the unit is plugging in another camera
// of the same sensor: the sensor powers on again, an open handle stays open.
VX3_API void setUnit(std::uint32_t seed);

// Units with a fault, for training and for testing the tool's failure paths. Each can be chosen
// by VX3SIM_BAD_UNIT with the name in brackets; like setUnit, choosing one powers the sensor on.
enum class BadUnit {
    None,
    // [warm-lamp] A lamp run far below its voltage (about 2100 K): the neutral blue gain lies
    // beyond what the blue register can hold, so the automatic balance ends at blue 255.
    WarmLamp,
    // [unsettled-balance] The white balance read back by VX3_WB_GetWbVal wanders by a step or
    // two around the true gains and never reads the same twice in a row.
    UnsettledBalance,
    // [dark-target] The auto-exposure targets are trimmed far too low: with automatic exposure
    // the white target's green comes out at about 86 of 255.
    DarkTarget,
    // [bright-target] The auto-exposure targets are trimmed far too high: the white target's
    // green comes out at about 245 of 255.
    BrightTarget,
    // [stuck-register or stuck-register:HH] One register (0x01, the blue gain, unless given in
    // hexadecimal) keeps its power-on value: host writes and the automatic loops do not change it.
    StuckRegister,
};
VX3_API void setBadUnit(BadUnit fault, std::uint8_t stuckRegister = 0x01);

// While set, VX3_WB_GetWbVal reports values that wander by a step or two around the true gains,
// as the unsettled-balance unit does; unlike choosing that unit, switching it leaves the sensor
// running as it is, so a test can end the instability in the middle of a procedure.
VX3_API void setWhiteBalanceUnstable(bool unstable);

// Camera version text reported by VX3_EST_GetVersion(0). "OV7620" selects that sensor's register
// model; every other text uses the OV7610 model. At most 11 characters are reported.
VX3_API void setCameraVersion(const std::string& version);
VX3_API void setSdkVersion(const std::string& version);
// The identifiers VX3_GetUsbId reports, vendor (selector 1) and product (selector 0).
inline constexpr std::uint8_t DefaultVendorId = 0x5C;
inline constexpr std::uint8_t DefaultProductId = 0x21;
VX3_API void setUsbIds(std::uint8_t vendor, std::uint8_t product);

// Pulling the cable loses the camera's handle and its power: every call but VX3_InitCamera fails
// from then on, also after the camera is plugged in again, until VX3_InitCamera opens it anew;
// live view does not resume, and the sensor starts again from its power-on registers.
VX3_API void setPlugged(bool plugged);

// Makes the named library function ("VX3_LV_ContinueMovie") return 0 from its nth call on,
// counted from now (1 = the next call). A negative nth clears the fault of that function.
VX3_API void failFunction(const std::string& functionName, int nth = 1);
// As failFunction, but only for the calls whose first argument (the selector, the register
// address, the rate, the mode...) is `firstArgument`; nth counts those calls only. A negative nth
// clears this fault and leaves the others.
VX3_API void failFunctionFor(const std::string& functionName, std::int64_t firstArgument,
                             int nth = 1);
VX3_API void clearFaults();

// Device lock: a second process cannot open the camera while a first holds it. The default lock
// lives in the system's temporary folder; an empty path switches locking off.
VX3_API void setDeviceLockPath(const std::string& path);

// A call's entry follows the register entries of the register traffic it caused.
struct LogEntry {
    enum class Kind { Call, RegisterRead, RegisterWrite };
    Kind kind;
    std::string function; // for Call: the library function's name
    std::uint8_t address; // for register entries
    std::uint8_t value;   // for register entries: the byte read or written
    int result;           // for Call: what the function returned
    // For Call: the values the call received, in the order of its parameters: selectors, register
    // address and count followed by the bytes written, rates, modes, sizes, the blue and red of a
    // white balance passed in, the data size of a JPEG description. Output parameters and buffers
    // are left out, and so is what a null pointer would have held.
    std::vector<std::int64_t> arguments;
    std::string fileName; // for Call: the file name a save received
};
VX3_API std::vector<LogEntry> log();
VX3_API void clearLog();

// Register file as the sensor holds it, without logging (for assertions).
VX3_API std::uint8_t peekRegister(std::uint8_t address);

VX3_API std::uint64_t framesDelivered();
// Frames live view skipped because the caller came back later than the next frame was due.
VX3_API std::uint64_t framesDropped();

} // namespace vx3sim
