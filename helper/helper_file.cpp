#include "helper/helper_file.h"

#include "common/file_paths.h"

// The file is named by its full path: the platform looks for a bare file
// name in the Windows folder.
void LoadHelperFile(HelperIniValues* file)
{
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    bool found = ReadCurrentFolder(folder) && BuildHelperIniPath(path, folder);
    ReadHelperIni(found ? path : nullptr, file);
}

void ForgetHelperFile(HelperIniValues* file)
{
    SecureZeroMemory(file, sizeof(*file));
}
