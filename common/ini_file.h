// korvatel.ini and dunmere.ini as whole files: read in one go, a missing file
// told apart from one that cannot be read, and saved whole, each save of one
// file waiting for the others between processes.
#pragma once

#include <windows.h>

#include "common/ini_rules.h"

enum IniFileState {
    kIniFileRead,
    kIniFileMissing,      // no such file: every key has its default
    kIniFileUnreadable,   // held by another program, not allowed, an I/O error, too large
};

enum IniEncoding { kIniAnsi, kIniUtf8, kIniUtf16, kIniUtf16BigEndian };

// A file decoded to UTF-16 as the private-profile functions decode it: by its
// byte order mark (UTF-8, UTF-16 little or big endian) or else in the
// program's code page (common/code_page_text.h), every byte of it. A file
// in a code page is decoded line by line, so that each CR and LF of it is
// one unit of the text. The units and the bytes as read are in heap blocks
// that FreeIniFile wipes, for dunmere.ini holds a password, and frees.
struct IniFile {
    IniFileState state;
    IniEncoding encoding;
    bool strayZeros;      // zero bytes that no byte order mark explains: no text to store as UTF-16
    wchar_t* units;
    size_t length;
    unsigned char* bytes;   // the whole file, mark and all
    size_t byteCount;
};

// Reads the whole file, waiting a moment for a program that holds it.
void ReadIniFile(const wchar_t* path, IniFile* file);
void FreeIniFile(IniFile* file);

inline IniSpan IniText(const IniFile& file)
{
    return { file.units, file.length };
}

// A number as the program writes it ("%d"), in a buffer of its own.
enum { kIniNumberCapacity = 16 };
IniEntry IniNumberEntry(const wchar_t* key, int value, wchar_t (&text)[kIniNumberCapacity]);

// How a save stores the file: in the encoding it has (a new file in the
// program's code page), or always as UTF-16 behind its byte order mark, so
// that any character is kept. A file kept in a code page keeps the very
// bytes of every line but the keys set, whether or not they are text of
// that code page.
enum IniSaveForm { kIniKeepEncoding, kIniUtf16Always };

// Reads the file as it is now, sets the keys in the section (EditIniPieces)
// and replaces it whole. False, with the file as it was, when it cannot be
// read, holds stray zero bytes that UTF-16 would not keep, is read-only, or
// cannot be replaced (a full disk, a program that keeps it open).
bool SaveIniFile(const wchar_t* path, const wchar_t* section, const IniEntry* entries, size_t count,
                 IniSaveForm form);
