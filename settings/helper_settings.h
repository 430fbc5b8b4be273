// dunmere.ini: the values handed to the credential helper.
#pragma once

void LoadHelperSettings();
void SaveHelperSettings();
