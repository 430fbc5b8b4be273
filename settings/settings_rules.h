// Rules on settings values that need no window.
#pragma once

// Keeps a window edge on the screen: negative positions become 0, then a
// position that would push the far edge past the screen is pulled back.
// The lower bound comes first, so a window larger than the screen ends at a
// negative position. Works in 64 bits, so no input overflows.
int ClampToScreen(long long position, long long size, long long screenExtent);
