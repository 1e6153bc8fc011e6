#include "platform/sdl/posix_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/temp_dir.h"

namespace valorne {
namespace {

using testing::TempDir;
using testing::WriteText;

TEST(StartDetached, StartsAProgramInItsFolderOrSaysWhyNot) {
  TempDir dir;
  const auto program = dir / "battledata.rx";
  WriteText(program, "#!/bin/sh\npwd > started.txt\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  std::string error;
  ASSERT_TRUE(StartDetached(program, &error)) << error;
  for (int i = 0; i < 200 && !std::filesystem::exists(dir / "started.txt"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "started.txt"));

  EXPECT_FALSE(StartDetached(dir / "menudata.rx", &error));
  EXPECT_EQ(error, "No such file or directory");
  WriteText(dir / "splash.rx", "not a program");
  EXPECT_FALSE(StartDetached(dir / "splash.rx", &error));
  EXPECT_EQ(error, "Permission denied");
}

TEST(InstanceLock, OnlyOneCopyHoldsTheGameFolder) {
  TempDir dir;
  auto first = std::make_unique<InstanceLock>(dir / "level9.lock");
  EXPECT_TRUE(first->held());
  EXPECT_FALSE(InstanceLock(dir / "level9.lock").held());
  first.reset();
  EXPECT_TRUE(InstanceLock(dir / "level9.lock").held());
}

}  // namespace
}  // namespace valorne
