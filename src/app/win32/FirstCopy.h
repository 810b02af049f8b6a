// The Win32 side of the single-instance test: the named semaphore and the first copy's main window.
#pragma once

#include "platform/win32/Handles.h"

namespace velgaro::win32 {

// Creates the semaphore "Velgaro" into semaphore, which the caller keeps open for the life of the
// process. True when this is the first copy.
bool AcquireSingleInstance(UniqueHandle& semaphore);

// Brings the first top-level window of the main window's class whose caption is a running copy's to
// the front, restoring it when minimised, and lets pending messages through. False when there is none.
bool BringFirstCopyForward();

// Dispatches the messages that are waiting, then returns.
void ProcessPendingMessages();

}  // namespace velgaro::win32
