// Rules of the credential helper that need no window: reading the numbers of
// dunmere.ini, bounding its times and the order of its steps.
#pragma once

// The longest time one value stays on the clipboard, in milliseconds.
enum { kHelperMaxTime = 60000 };

// What the helper has put on the clipboard.
enum HelperStage { kStageId, kStagePassword, kStageDone };

struct HelperPlan {
    int id_time;        // bounded to 0 .. kHelperMaxTime
    int pw_time;
    bool hasId;         // the ID is not empty
    bool hasPassword;
};

// A time from the file: leading blanks, an optional sign and decimal digits
// up to the first other character. Text without digits gives the fallback;
// the value is bounded to 0 .. kHelperMaxTime.
int ReadHelperTime(const wchar_t* text, int fallback);

// A window position from the file, read like a time; text without digits
// gives 0, and values beyond the 32-bit range are held at its ends.
int ReadHelperPosition(const wchar_t* text);

// A stage is taken only when its value is not empty and its time is not 0.
HelperStage FirstHelperStage(const HelperPlan& plan);
HelperStage NextHelperStage(const HelperPlan& plan, HelperStage stage);
int HelperStageTime(const HelperPlan& plan, HelperStage stage);

// Whole seconds left, rounded up, for the countdown shown in the window.
int RemainingSeconds(long long remainingMs);
