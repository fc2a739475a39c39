// The whole of brindle-server's main(), in the library so tests can drive it.
#pragma once

namespace server {

int serverMain(int argc, char** argv);

} // namespace server
