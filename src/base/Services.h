#pragma once

class Prompts;
class Clock;
class Random;
class Shell;
class EventPump;
class Speech;

// The seams every window and command reaches the outside world through. Production wires
// the real ones in main; tests pass doubles.
struct Services {
    Prompts& prompts;
    Clock& clock;
    Random& random;
    Shell& shell;
    EventPump& events;
    Speech& speech;
};
