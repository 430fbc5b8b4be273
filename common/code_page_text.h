// Text in the program's code page: the system's ANSI code page, in which cmd
// reads a batch file and in which the profiles and korvatel.ini without a
// byte order mark are kept. It is not the thread's code page, which follows
// the user's formats: a Japanese system with English formats has 932 here
// and 1252 there. Every conversion between UTF-16 and bytes goes through
// here, with the flags the code page allows.
#pragma once

#include <windows.h>

// GetACP(): 932 on a Japanese system, 65001 where Windows uses UTF-8 for
// worldwide language support.
UINT ProgramCodePage();

// The flags of each way for a code page's number (not CP_ACP and the like):
// no best fit on the way out and precomposed characters on the way in, except
// where Windows refuses any flag (UTF-8, GB18030, the ISO-2022 and ISCII
// code pages, UTF-7, Symbol).
DWORD EncodingFlags(UINT codePage);
DWORD DecodingFlags(UINT codePage);

// WideCharToMultiByte and MultiByteToWideChar with those flags: count units
// or bytes (-1 for zero-terminated text, the zero included), the size needed
// when the output is null. 0 when the text does not convert or fit.
int EncodeCodePage(UINT codePage, const wchar_t* units, int count, char* bytes, int capacity);
int DecodeCodePage(UINT codePage, const char* bytes, int count, wchar_t* units, int capacity);

// Converts the zero-terminated text into a buffer of capacity units. False,
// with an empty result, when it does not convert or does not fit whole.
bool DecodeCodePageText(UINT codePage, const char* text, wchar_t* decoded, int capacity);
