// korvatel.ini: the settings record's first ten fields. LoadSettings also
// keeps the window on the screen measured in the application state.
#pragma once

void LoadSettings();
void SaveSettings();
