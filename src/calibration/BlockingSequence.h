// Holds off the technician's input and the window's timers while a calibration sequence runs,
// and pauses the sequence without letting the window look hung.
#pragma once

#include "framework/DialogService.h"

class QWidget;

namespace halvex {

class BlockingSequence {
public:
    // From construction to destruction no mouse, keyboard or close request reaches the window or
    // its controls and none of its timers is served. Sequences may nest.
    explicit BlockingSequence(QWidget& window);
    ~BlockingSequence();
    BlockingSequence(const BlockingSequence&) = delete;
    BlockingSequence& operator=(const BlockingSequence&) = delete;

    // A blocking pause through the time source. While a sequence runs, the window keeps
    // answering paint and expose requests during the pause; input stays held off.
    static void Pause(int milliseconds);

    // A message box of the sequence. It runs its own loop, in which the window's timers are
    // served again (live view goes on painting); input to the window stays held off.
    static MessageResult ShowMessage(const MessageRequest& request, QWidget* owner);
};

} // namespace halvex
