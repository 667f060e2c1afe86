#include "doc/UserOptions.h"

namespace netloom {

CUserOptions& UserOptions() {
    static CUserOptions options;
    return options;
}

}  // namespace netloom
