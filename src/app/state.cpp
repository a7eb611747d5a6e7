#include "app/state.h"

SharedState Shared;

void ResetSharedState() {
    Shared = SharedState{};
}
