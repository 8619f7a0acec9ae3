// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlLibrary.h"

#include <dlfcn.h>
#include <mutex>

namespace pikora {

namespace {

template<class Function> bool lookUp(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
}

bool load(SdlLibrary& sdl)
{
    void* handle = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return false;
    }
    // Kept loaded for the life of the process, as the audio thread runs inside it.
    return lookUp(handle, "SDL_SetHintWithPriority", sdl.SetHintWithPriority)
        && lookUp(handle, "SDL_InitSubSystem", sdl.InitSubSystem)
        && lookUp(handle, "SDL_QuitSubSystem", sdl.QuitSubSystem)
        && lookUp(handle, "SDL_Quit", sdl.Quit)
        && lookUp(handle, "SDL_OpenAudioDevice", sdl.OpenAudioDevice)
        && lookUp(handle, "SDL_CloseAudioDevice", sdl.CloseAudioDevice)
        && lookUp(handle, "SDL_PauseAudioDevice", sdl.PauseAudioDevice)
        && lookUp(handle, "SDL_GetCurrentAudioDriver", sdl.GetCurrentAudioDriver)
        && lookUp(handle, "SDL_RWFromConstMem", sdl.RWFromConstMem)
        && lookUp(handle, "SDL_LoadWAV_RW", sdl.LoadWAV_RW)
        && lookUp(handle, "SDL_FreeWAV", sdl.FreeWAV)
        && lookUp(handle, "SDL_NewAudioStream", sdl.NewAudioStream)
        && lookUp(handle, "SDL_AudioStreamPut", sdl.AudioStreamPut)
        && lookUp(handle, "SDL_AudioStreamGet", sdl.AudioStreamGet)
        && lookUp(handle, "SDL_AudioStreamAvailable", sdl.AudioStreamAvailable)
        && lookUp(handle, "SDL_AudioStreamFlush", sdl.AudioStreamFlush)
        && lookUp(handle, "SDL_FreeAudioStream", sdl.FreeAudioStream)
        && lookUp(handle, "SDL_ClearQueuedAudio", sdl.ClearQueuedAudio)
        && lookUp(handle, "SDL_QueueAudio", sdl.QueueAudio)
        && lookUp(handle, "SDL_GetQueuedAudioSize", sdl.GetQueuedAudioSize)
        && lookUp(handle, "SDL_GetError", sdl.GetError)
        && lookUp(handle, "SDL_GetAudioDeviceStatus", sdl.GetAudioDeviceStatus)
        && lookUp(handle, "SDL_TLSCleanup", sdl.TLSCleanup);
}

} // namespace

const SdlLibrary* sdlLibrary()
{
    static SdlLibrary library {};
    static bool loaded = false;
    static std::once_flag once;
    std::call_once(once, [] { loaded = load(library); });
    return loaded ? &library : nullptr;
}

} // namespace pikora
