#include "helper/helper_rules.h"

#include "handoff/helper_numbers.h"

static bool TakesStage(const HelperPlan& plan, HelperStage stage)
{
    switch (stage) {
    case kStageId:
        return plan.hasId && plan.id_time > 0;
    case kStagePassword:
        return plan.hasPassword && plan.pw_time > 0;
    default:
        return true;
    }
}

HelperStage FirstHelperStage(const HelperPlan& plan)
{
    return TakesStage(plan, kStageId) ? kStageId : NextHelperStage(plan, kStageId);
}

HelperStage NextHelperStage(const HelperPlan& plan, HelperStage stage)
{
    if (stage == kStageId && TakesStage(plan, kStagePassword)) {
        return kStagePassword;
    }
    return kStageDone;
}

int HelperStageTime(const HelperPlan& plan, HelperStage stage)
{
    switch (stage) {
    case kStageId:
        return plan.id_time;
    case kStagePassword:
        return plan.pw_time;
    default:
        return 0;
    }
}

int RemainingSeconds(long long remainingMs)
{
    if (remainingMs <= 0) {
        return 0;
    }
    long long bounded = remainingMs < kHelperMaxTime ? remainingMs : static_cast<long long>(kHelperMaxTime);
    return static_cast<int>((bounded + 999) / 1000);
}
