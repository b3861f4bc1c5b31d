// The tests' one clock: milliseconds from the performance counter.
#pragma once

// Milliseconds since an arbitrary start, with sub-millisecond resolution.
double NowMs();
