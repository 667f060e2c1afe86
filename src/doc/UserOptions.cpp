#include "doc/UserOptions.h"

namespace netloom {

bool NeedsTreeRebuild(const CUserOptions& before, const CUserOptions& after) {
    return before.DisplayTrafficProfiles != after.DisplayTrafficProfiles;
}

}  // namespace netloom
