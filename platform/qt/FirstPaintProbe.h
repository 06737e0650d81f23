// An opt-in probe for the start-up benchmark: the moment the main window is first painted.
#pragma once

class QWidget;

// When ZELTARO_BENCH_FIRST_PAINT is set, reports on standard output, once the window's first
// paint has been flushed, the monotonic clock and the process's CPU time in nanoseconds and
// the peak resident memory so far; with the value "stay" the program then goes on (and also reports
// where its central widget lies on the screen), with any other value it quits. Does nothing when
// unset.
void WatchFirstPaint(QWidget* pWindow);
