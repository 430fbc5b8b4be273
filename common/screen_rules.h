// Keeping a window on the screen, without any window code: shared by
// KORVATEL and the credential helper.
#pragma once

// The left (or top) edge for a window of this size that keeps it within the
// span [start, end): an edge before start moves to start, then one that puts
// the far edge past end is pulled back. The start comes first, so a window
// larger than the span ends before start. Every input is valid: the
// arithmetic is done in 64 bits on 32-bit sizes and edges, and the result is
// held within the int range.
int ClampToSpan(long long position, int size, int start, int end);
