// The state of the keyboard's lock keys, where the windowing system reports it.
#pragma once

struct LockKeyState {
    bool bKnown = false; // false: the windowing system does not say, and all read as off
    bool bCapsLock = false;
    bool bNumLock = false;
    bool bScrollLock = false;
};

LockKeyState QueryLockKeys();
