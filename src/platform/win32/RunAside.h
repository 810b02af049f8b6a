// Work that blocks for long in a single call (Wine reads a whole folder on its first FindFirstFile)
// done on a thread of its own, while the caller's thread goes on calling meanwhile, so that a window
// keeps answering.
#pragma once

#include <functional>

namespace velgaro::win32 {

// Runs work on another thread and calls meanwhile on this one every few dozen milliseconds until it is
// done. Without meanwhile, or when no thread can be made, the work runs here.
void RunAside(const std::function<void()>& work, const std::function<void()>& meanwhile);

}  // namespace velgaro::win32
