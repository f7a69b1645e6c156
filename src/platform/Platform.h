#pragma once

class Clock;
class Pause;
class MessageBoxes;
class Shell;
class SkypeAutomation;
class KeyStrokes;
class SingleInstance;
class ProcessRunner;
class Pointer;
class Joysticks;
class Screensaver;

// The operating-system services the controller uses, handed to the main
// window at start-up so that tests can put doubles in their place.
struct Platform {
    Clock *clock;
    Pause *pause;
    MessageBoxes *boxes;
    Shell *shell;
    SkypeAutomation *skype;
    KeyStrokes *keys;
    SingleInstance *instance;
    ProcessRunner *processes;
    Pointer *pointer;
    Joysticks *joysticks;
    Screensaver *screensaver;
};
