#pragma once
#include "platform/Clock.h"
#include "platform/Joysticks.h"
#include "platform/KeyStrokes.h"
#include "platform/MessageBoxes.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "platform/Pointer.h"
#include "platform/ProcessRunner.h"
#include "platform/Screensaver.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/SkypeClient.h"

// The real services of this platform.
class SystemPlatform {
public:
    Platform platform()
    {
        return {&clock,    &pause,     &boxes,   &shell,     &skype,      &keys,
                &instance, &processes, &pointer, &joysticks, &screensaver};
    }

private:
    SystemClock clock;
    ThreadPause pause;
    WidgetMessageBoxes boxes;
    ProcessShell shell;
    AbsentSkypeAutomation skype;
    NoKeyStrokes keys;
    LocalSingleInstance instance;
    ChildProcessRunner processes;
    CursorPointer pointer;
    SdlJoysticks joysticks;
    X11Screensaver screensaver;
};
