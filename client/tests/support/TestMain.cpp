// Every client test runs headless: manual clock, null renderer, a scratch writable folder and the
// recording audio back end.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new test_support::ClientEnvironment);
    return RUN_ALL_TESTS();
}
