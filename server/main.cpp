#include "app/ServerMain.h"

int main(int argc, char** argv) { return server::serverMain(argc, argv); }
