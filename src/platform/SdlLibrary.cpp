#include "platform/SdlLibrary.h"

#include <QLibrary>

#include <optional>

namespace {

template <typename Function>
bool resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function;
}

std::optional<SdlLibrary> load()
{
    // the run-time library's name: the one the development files link to
    QLibrary library(QStringLiteral("SDL2-2.0"), 0);
    SdlLibrary sdl;
    const bool complete = library.load() && resolve(library, sdl.SetHint, "SDL_SetHint")
        && resolve(library, sdl.InitSubSystem, "SDL_InitSubSystem")
        && resolve(library, sdl.QuitSubSystem, "SDL_QuitSubSystem")
        && resolve(library, sdl.JoystickEventState, "SDL_JoystickEventState")
        && resolve(library, sdl.NumJoysticks, "SDL_NumJoysticks")
        && resolve(library, sdl.JoystickOpen, "SDL_JoystickOpen")
        && resolve(library, sdl.JoystickClose, "SDL_JoystickClose")
        && resolve(library, sdl.JoystickUpdate, "SDL_JoystickUpdate")
        && resolve(library, sdl.JoystickGetAttached, "SDL_JoystickGetAttached")
        && resolve(library, sdl.JoystickNumAxes, "SDL_JoystickNumAxes")
        && resolve(library, sdl.JoystickNumButtons, "SDL_JoystickNumButtons")
        && resolve(library, sdl.JoystickNumHats, "SDL_JoystickNumHats")
        && resolve(library, sdl.JoystickGetAxis, "SDL_JoystickGetAxis")
        && resolve(library, sdl.JoystickGetButton, "SDL_JoystickGetButton")
        && resolve(library, sdl.JoystickGetHat, "SDL_JoystickGetHat");
    // the library stays loaded for the rest of the process: QLibrary does not
    // unload on destruction
    return complete ? std::optional<SdlLibrary>(sdl) : std::nullopt;
}

} // namespace

const SdlLibrary *sdlLibrary()
{
    static const std::optional<SdlLibrary> loaded = load();
    return loaded ? &*loaded : nullptr;
}
