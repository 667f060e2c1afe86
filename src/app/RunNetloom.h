#pragma once
// The whole program: the informational options, the toolkit, start-up, the event loop and exit.

namespace netloom {

int RunNetloom(int argc, char** argv);

}  // namespace netloom
