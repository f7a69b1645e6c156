#pragma once
#include <SDL.h>

// SDL's joystick functions, taken from the library when a joystick is first
// looked for rather than when the program starts: SDL brings in the sound,
// video and input libraries of the system, which the sign-in view never uses.
struct SdlLibrary {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_JoystickEventState) JoystickEventState;
    decltype(&SDL_NumJoysticks) NumJoysticks;
    decltype(&SDL_JoystickOpen) JoystickOpen;
    decltype(&SDL_JoystickClose) JoystickClose;
    decltype(&SDL_JoystickUpdate) JoystickUpdate;
    decltype(&SDL_JoystickGetAttached) JoystickGetAttached;
    decltype(&SDL_JoystickNumAxes) JoystickNumAxes;
    decltype(&SDL_JoystickNumButtons) JoystickNumButtons;
    decltype(&SDL_JoystickNumHats) JoystickNumHats;
    decltype(&SDL_JoystickGetAxis) JoystickGetAxis;
    decltype(&SDL_JoystickGetButton) JoystickGetButton;
    decltype(&SDL_JoystickGetHat) JoystickGetHat;
};

// The functions, loaded on the first call; null when the library or one of
// them is missing (the controller then finds no joystick).
const SdlLibrary *sdlLibrary();
