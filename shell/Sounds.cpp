#include "Sounds.h"

#include "Sound.h"

namespace verbal::shell {
namespace {
SoundHook& Hook() {
    static SoundHook hook;
    return hook;
}
}  // namespace

void PlayProgramSound(const std::string& path) {
    if (Hook())
        Hook()(path);
    else
        PlayEventSound(path);
}

void SetSoundHook(SoundHook hook) { Hook() = std::move(hook); }

}  // namespace verbal::shell
