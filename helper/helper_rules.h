// Rules of the credential helper that need no window: the order of its
// steps and the countdown it shows.
#pragma once

// What the helper has put on the clipboard.
enum HelperStage { kStageId, kStagePassword, kStageDone };

struct HelperPlan {
    int id_time;        // milliseconds, as read from dunmere.ini
    int pw_time;
    bool hasId;         // the ID is not empty
    bool hasPassword;
};

// A stage is taken only when its value is not empty and its time is not 0.
HelperStage FirstHelperStage(const HelperPlan& plan);
HelperStage NextHelperStage(const HelperPlan& plan, HelperStage stage);
int HelperStageTime(const HelperPlan& plan, HelperStage stage);

// Whole seconds left, rounded up, for the countdown shown in the window.
int RemainingSeconds(long long remainingMs);
