#include <gtest/gtest.h>

#include "Options.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ParseOptions(argc, argv);
  return RUN_ALL_TESTS();
}
