#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zembrix {
namespace {

class ScriptedStartup : public StartupHost {
 public:
  bool barExists = false;
  int failingLoads = 0;
  std::vector<std::string> steps;

  bool WindowTitled(const char* title) override {
    steps.push_back(std::string("find ") + title);
    return barExists;
  }
  bool LoadSearchBar() override {
    steps.push_back("load");
    return failingLoads-- <= 0;
  }
  void ShowSearchBar() override { steps.push_back("show"); }
  void EndProcess(int exitCode) override { steps.push_back("exit " + std::to_string(exitCode)); }
};

const std::string kFind = std::string("find ") + kSearchBarTitle;

TEST(StartupTest, TitleIsTheGbkKey) {
  EXPECT_EQ(std::string(kSearchBarTitle),
            "Zembrix\xA3\xAC\xB1\xE3\xBD\xDD\xCB\xD1\xB1\xA6\xC8\xEB\xBF\xDA");
}

TEST(StartupTest, FirstInstanceLoadsThenShowsTheBar) {
  ScriptedStartup host;
  StartProgram(host);
  EXPECT_EQ(host.steps, (std::vector<std::string>{kFind, "load", "show"}));
}

TEST(StartupTest, SecondInstanceEndsAtOnceWithCodeZero) {
  ScriptedStartup host;
  host.barExists = true;
  StartProgram(host);
  EXPECT_EQ(host.steps, (std::vector<std::string>{kFind, "exit 0"}));
}

TEST(StartupTest, LoadingIsRetriedUntilTheWindowExists) {
  ScriptedStartup host;
  host.failingLoads = 2;
  StartProgram(host);
  EXPECT_EQ(host.steps, (std::vector<std::string>{kFind, "load", "load", "load", "show"}));
}

TEST(StartupTest, ABarThatNeverLoadsEndsWithAFailureInsteadOfSpinning) {
  ScriptedStartup host;
  host.failingLoads = 1000;
  StartProgram(host);
  ASSERT_EQ(host.steps.size(), 1u + kSearchBarLoadAttempts + 1);
  EXPECT_EQ(host.steps.back(), "exit 1");
}

}  // namespace
}  // namespace zembrix
