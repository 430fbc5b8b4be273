// dunmere.ini: the values handed to the credential helper.
#pragma once

// The credential helper's small window, in pixels. The main program keeps
// it on the screen when it writes the window's position.
enum { kHelperWindowWidth = 126, kHelperWindowHeight = 68 };

void LoadHelperSettings();
void SaveHelperSettings();
