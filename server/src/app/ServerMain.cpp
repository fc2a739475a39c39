#include "app/ServerMain.h"

#include <cstdio>

namespace server {

int serverMain(int, char**) {
    std::fputs("brindle-server: not yet wired\n", stderr);
    return 1;
}

} // namespace server
