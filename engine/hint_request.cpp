#include "engine/hint_request.h"

#include "engine/model/game_trace.h"

// The hint's logic comes with the computer players.
void GamePlay::RunHint() {
    Misc::Trace("The hint is not available yet.");
}
