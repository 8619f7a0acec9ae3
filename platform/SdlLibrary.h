// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

namespace pikora {

// The few SDL functions the sound player calls, looked up in the SDL library when sound is
// first needed. Loading SDL pulls in some thirty more libraries (sound servers, codecs), so
// the program does not link it: start-up would pay for them before the first window shows.
struct SdlLibrary
{
    decltype(&::SDL_SetHintWithPriority) SetHintWithPriority;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_Quit) Quit;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&::SDL_GetCurrentAudioDriver) GetCurrentAudioDriver;
    decltype(&::SDL_RWFromConstMem) RWFromConstMem;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&::SDL_FreeWAV) FreeWAV;
    decltype(&::SDL_NewAudioStream) NewAudioStream;
    decltype(&::SDL_AudioStreamPut) AudioStreamPut;
    decltype(&::SDL_AudioStreamGet) AudioStreamGet;
    decltype(&::SDL_AudioStreamAvailable) AudioStreamAvailable;
    decltype(&::SDL_AudioStreamFlush) AudioStreamFlush;
    decltype(&::SDL_FreeAudioStream) FreeAudioStream;
    decltype(&::SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&::SDL_QueueAudio) QueueAudio;
    decltype(&::SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&::SDL_GetError) GetError;
    decltype(&::SDL_GetAudioDeviceStatus) GetAudioDeviceStatus;
    decltype(&::SDL_TLSCleanup) TLSCleanup;
};

// Loads the library once (safe from any thread); nullptr when it or a function is missing.
const SdlLibrary* sdlLibrary();

} // namespace pikora
