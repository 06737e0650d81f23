// Keeps the window's VNC server, when the program runs on Qt's VNC platform, on this
// computer's loopback address.
#pragma once

// Call once the application object exists and before its event loop starts. Does nothing on
// any other platform.
void KeepVncServerOnLoopback();
