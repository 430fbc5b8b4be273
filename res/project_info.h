// Texts that name this project. Shared by the resource script and the code,
// so each address and name is written once.
#pragma once

#define KORVATEL_HOME_PAGE        "https://korvatel.example/"
#define KORVATEL_DOWNLOAD_PAGE    KORVATEL_HOME_PAGE "korvatel/korvatel_dl.htm"
#define KORVATEL_DEV_ENVIRONMENT  "Visual C++ / mingw-w64"
#define KORVATEL_CREATOR          "KORVATEL project"
