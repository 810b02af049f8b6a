#pragma once

namespace velgaro {

// The product's full name: the title of its message boxes and the start of its main window's caption.
inline constexpr const char* kProductName = "Velgaro Replaysetup";

}  // namespace velgaro
