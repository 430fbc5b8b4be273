#include "common/ini_rules.h"

#include <wchar.h>

#include "common/text_rules.h"

namespace {

// One line as the private-profile functions see it: the units up to the next
// CR or LF, blanks trimmed; the run of CR and LF after it belongs to it.
struct IniLine {
    size_t start;       // where the line begins
    size_t end;         // where its line break begins
    size_t next;        // the next line
    IniSpan content;    // the line without blanks at either end
};

enum IniLineKind { kBlankLine, kSectionLine, kKeyLine };

// CR, LF and ^Z (an old end of file) count as blanks, as the platform has it.
bool IsIniBlank(wchar_t unit)
{
    return (unit >= 0x09 && unit <= 0x0D) || unit == 0x1A || unit == L' ';
}

IniSpan Trimmed(const wchar_t* start, size_t length)
{
    while (length > 0 && IsIniBlank(start[0])) {
        ++start;
        --length;
    }
    while (length > 0 && IsIniBlank(start[length - 1])) {
        --length;
    }
    return { start, length };
}

IniLine LineAt(IniSpan text, size_t at)
{
    IniLine line = { at, at, at, {} };
    while (line.end < text.length && text.start[line.end] != L'\r' && text.start[line.end] != L'\n') {
        ++line.end;
    }
    line.next = line.end;
    while (line.next < text.length && (text.start[line.next] == L'\r' || text.start[line.next] == L'\n')) {
        ++line.next;
    }
    line.content = Trimmed(text.start + line.start, line.end - line.start);
    return line;
}

// What the line is, with the section's name or the key's name and value. A
// "[" without a "]" after it makes a key line, as does any other text.
IniLineKind ParseLine(const IniLine& line, IniSpan* name, IniSpan* value, bool* hasValue)
{
    const IniSpan& content = line.content;
    if (content.length == 0) {
        return kBlankLine;
    }
    if (content.start[0] == L'[') {
        size_t closing = content.length;
        while (closing > 1 && content.start[closing - 1] != L']') {
            --closing;
        }
        if (closing > 1) {
            *name = Trimmed(content.start + 1, closing - 2);
            return kSectionLine;
        }
    }
    size_t equals = 0;
    while (equals < content.length && content.start[equals] != L'=') {
        ++equals;
    }
    *hasValue = equals < content.length;
    *name = Trimmed(content.start, equals);
    if (*hasValue) {
        *value = Trimmed(content.start + equals + 1, content.length - equals - 1);
    }
    return kKeyLine;
}

// A name ends at its first zero unit.
size_t UnitsBeforeZero(IniSpan span)
{
    size_t length = 0;
    while (length < span.length && span.start[length] != L'\0') {
        ++length;
    }
    return length;
}

bool NameIs(IniSpan name, const wchar_t* wanted)
{
    size_t length = UnitsBeforeZero(name);
    for (size_t i = 0; i < length; ++i) {
        if (wanted[i] == L'\0' || FoldAsciiCapital(name.start[i]) != FoldAsciiCapital(wanted[i])) {
            return false;
        }
    }
    return wanted[length] == L'\0';
}

// The first section of that name: its header line, or false.
bool FindSection(IniSpan text, const wchar_t* section, IniLine* header)
{
    for (size_t at = 0; at < text.length;) {
        IniLine line = LineAt(text, at);
        IniSpan name = {}, value = {};
        bool hasValue = false;
        if (ParseLine(line, &name, &value, &hasValue) == kSectionLine && NameIs(name, section)) {
            *header = line;
            return true;
        }
        at = line.next;
    }
    return false;
}

// An edit's result as it is made: runs of the text and new units.
struct EditWriter {
    const IniEditOut& out;

    void Keep(size_t start, size_t end)
    {
        if (end > start) {
            out.keep(out.context, start, end);
        }
    }
    void Add(const wchar_t* units) { out.add(out.context, units, wcslen(units)); }
    void AddEntry(const IniEntry& entry, bool lineBreak)
    {
        Add(entry.key);
        Add(L"=");
        Add(entry.value);
        if (lineBreak) {
            Add(L"\r\n");
        }
    }
};

// Appends to out while there is room and counts every unit.
struct TextOut {
    IniSpan text;
    wchar_t* out;
    size_t capacity;
    size_t length;

    void Add(const wchar_t* units, size_t count)
    {
        for (size_t i = 0; i < count; ++i, ++length) {
            if (length < capacity) {
                out[length] = units[i];
            }
        }
    }
    static void KeepRun(void* context, size_t start, size_t end)
    {
        TextOut* self = static_cast<TextOut*>(context);
        self->Add(self->text.start + start, end - start);
    }
    static void AddUnits(void* context, const wchar_t* units, size_t count)
    {
        static_cast<TextOut*>(context)->Add(units, count);
    }
};

// The end of the line's first line break, or the end of the text.
size_t AfterFirstBreak(IniSpan text, const IniLine& line)
{
    size_t at = line.end;
    if (at < text.length && text.start[at] == L'\r' && at + 1 < text.length && text.start[at + 1] == L'\n') {
        return at + 2;
    }
    return at < text.length ? at + 1 : at;
}

} // namespace

bool FindIniValue(IniSpan text, const wchar_t* section, const wchar_t* key, IniSpan* value)
{
    IniLine header;
    if (!FindSection(text, section, &header)) {
        return false;
    }
    for (size_t at = header.next; at < text.length;) {
        IniLine line = LineAt(text, at);
        IniSpan name = {};
        bool hasValue = false;
        IniLineKind kind = ParseLine(line, &name, value, &hasValue);
        if (kind == kSectionLine) {
            return false;
        }
        if (kind == kKeyLine && NameIs(name, key)) {
            return hasValue;
        }
        at = line.next;
    }
    return false;
}

size_t CopyIniValue(IniSpan value, wchar_t* buffer, size_t capacity)
{
    if (capacity == 0) {
        return 0;
    }
    const wchar_t* units = value.start;
    size_t length = UnitsBeforeZero(value);
    bool quoted = length >= 2 && (units[0] == L'\'' || units[0] == L'"') && units[length - 1] == units[0];
    if (quoted) {
        ++units;
        --length;
    }
    size_t copied = length < capacity - 1 ? length : capacity - 1;
    for (size_t i = 0; i < copied; ++i) {
        buffer[i] = units[i];
    }
    // The closing quote goes, or, when the value only just fills the buffer, its last unit.
    if (quoted && capacity >= length && copied > 0) {
        --copied;
    }
    buffer[copied] = L'\0';
    return copied;
}

int IniValueNumber(IniSpan value, int fallback)
{
    wchar_t text[30];
    size_t length = CopyIniValue(value, text, 30);
    if (length == 0) {
        return fallback;
    }
    size_t at = 0;
    while (at < length && text[at] <= L' ') {
        ++at;
    }
    bool negative = at < length && text[at] == L'-';
    at += at < length && (text[at] == L'-' || text[at] == L'+') ? 1 : 0;
    uint32_t base = 10;
    if (length - at >= 2 && text[at] == L'0') {
        const wchar_t marks[] = { L'b', L'o', L'x' };
        const uint32_t bases[] = { 2, 8, 16 };
        for (int i = 0; i < 3 && base == 10; ++i) {
            if (text[at + 1] == marks[i]) {
                base = bases[i];
                at += 2;
            }
        }
    }
    uint32_t total = 0;
    for (; at < length; ++at) {
        wchar_t unit = FoldAsciiCapital(text[at]);
        uint32_t digit = unit >= L'0' && unit <= L'9' ? static_cast<uint32_t>(unit - L'0')
                       : unit >= L'a' && unit <= L'z' ? static_cast<uint32_t>(unit - L'a' + 10) : 99;
        if (digit >= base) {
            break;
        }
        total = total * base + digit;
    }
    return static_cast<int>(negative ? 0u - total : total);
}

void EditIniPieces(IniSpan text, const wchar_t* section, const IniEntry* entries, size_t count,
                   const IniEditOut& out)
{
    EditWriter result = { out };
    IniLine header;
    if (!FindSection(text, section, &header)) {
        result.Keep(0, text.length);
        if (text.length > 0 && text.start[text.length - 1] != L'\n' && text.start[text.length - 1] != L'\r') {
            result.Add(L"\r\n");
        }
        result.Add(L"[");
        result.Add(section);
        result.Add(L"]\r\n");
        for (size_t i = 0; i < count; ++i) {
            result.AddEntry(entries[i], true);
        }
        return;
    }
    // The section's lines: each entry's first key line is replaced; the
    // entries it lacks go after its last line that is not blank.
    const size_t kNotFound = static_cast<size_t>(-1);
    IniLine last = header;
    size_t written = 0;
    bool placed[kMostIniEntries] = {};
    size_t entryCount = count < kMostIniEntries ? count : static_cast<size_t>(kMostIniEntries);
    for (size_t at = header.next; at < text.length;) {
        IniLine line = LineAt(text, at);
        IniSpan name = {}, value = {};
        bool hasValue = false;
        IniLineKind kind = ParseLine(line, &name, &value, &hasValue);
        if (kind == kSectionLine) {
            break;
        }
        if (kind == kKeyLine) {
            last = line;
            size_t match = kNotFound;
            for (size_t i = 0; i < entryCount && match == kNotFound; ++i) {
                match = !placed[i] && NameIs(name, entries[i].key) ? i : kNotFound;
            }
            if (match != kNotFound) {
                placed[match] = true;
                result.Keep(written, line.start);
                result.AddEntry(entries[match], false);
                written = line.end;
            }
        }
        at = line.next;
    }
    size_t insertAt = AfterFirstBreak(text, last);
    result.Keep(written, insertAt);
    bool lineEnded = insertAt != last.end;
    for (size_t i = 0; i < entryCount; ++i) {
        if (!placed[i]) {
            result.Add(lineEnded ? L"" : L"\r\n");
            lineEnded = true;
            result.AddEntry(entries[i], true);
        }
    }
    result.Keep(insertAt, text.length);
}

size_t EditIniText(IniSpan text, const wchar_t* section, const IniEntry* entries, size_t count,
                   wchar_t* out, size_t capacity)
{
    TextOut result = { text, out, capacity, 0 };
    EditIniPieces(text, section, entries, count, { TextOut::KeepRun, TextOut::AddUnits, &result });
    return result.length;
}
