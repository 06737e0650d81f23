// The state of the keyboard's lock keys, where the windowing system reports it; all read as off
// where it does not.
#pragma once

struct LockKeyState {
    bool bCapsLock = false;
    bool bNumLock = false;
    bool bScrollLock = false;
};

LockKeyState QueryLockKeys();
