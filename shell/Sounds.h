// Every sound of the program goes out here: the document's (computing, grid
// ready, erasing) and the grid window's (the letter picker, the victory).
#pragma once

#include <functional>
#include <string>

namespace verbal::shell {

// Plays a sound file (a path as the file system names it) and returns when
// it has ended.
void PlayProgramSound(const std::string& path);

// Replaces the sound output; the hook receives each path instead of the
// sound server. Give an empty function to play sounds again.
using SoundHook = std::function<void(const std::string&)>;
void SetSoundHook(SoundHook hook);

}  // namespace verbal::shell
