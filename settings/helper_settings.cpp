#include "settings/helper_settings.h"

void LoadHelperSettings()
{
}

void SaveHelperSettings()
{
}
