#pragma once
// Write faults for tests: the system calls of WriteFileAtomically (files/systemcalls.h) made to
// fail one at a time, to see that every failure keeps the old file, leaves no temporary file and
// is reported. Only a test program that links tests/writefault/writefault.cpp has them; the
// programs themselves call the system directly.

enum class WriteStep { Open, Write, Sync, Close, Rename, SyncFolder, Link };
// Makes the nth call (1 the next) of step fail with the error number err. While a Write fault
// waits, every write before the failing one comes back short (half of what was asked), as on a
// disk that fills up. The fault is used up when it fires; setting another replaces it.
void InjectWriteFault(WriteStep step, int nth, int err);
// Whether the injected fault has yet to fire.
bool WriteFaultPending();
void ClearWriteFault();
