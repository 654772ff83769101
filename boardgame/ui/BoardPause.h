#pragma once
// The pauses of the board window's animations (die rounds, token steps, the
// alert before a jump, the Professor's thinking). The window asks for them
// through this interface, so tests hand it one that does not wait.
#include <memory>

class BoardPause {
public:
    virtual ~BoardPause() = default;
    // Waits `ms` milliseconds while the window's events run.
    virtual void Wait(int ms) = 0;
    // Ends a wait under way and every later one at once (the window closes).
    virtual void Interrupt() = 0;
    // Ends the wait under way only (the player has read enough).
    virtual void Hurry() {}
};

// Waits in a local event loop, as the program runs.
std::unique_ptr<BoardPause> MakeEventLoopPause();
