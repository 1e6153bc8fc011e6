#include <gtest/gtest.h>

#include "county/county_frm_fixture.h"

namespace valorne {
namespace {

using county_testing::CountyScreens;

TEST(TaxFrm, TheRateMovesInTensBetweenItsLimits) {
  CountyScreens s;
  s.game.state.Population = 5000;
  s.game.state.TaxRate = 0;
  struct Step {
    const char* button;
    int presses;
    const char* tax;
    const char* gold;
    const char* happiness;
  };
  const Step steps[] = {
      {"TaxUp", 3, "30 %", "+750", "- 7"},     {"TaxUp", 7, "100 %", "+2500", "- 25"},
      {"TaxUp", 1, "100 %", "+2500", "- 25"},  // the top stays the top
      {"TaxDown", 1, "90 %", "+2250", "- 22"}, {"TaxDown", 9, "0 %", "+0", "- 0"},
      {"TaxDown", 2, "0 %", "+0", "- 0"},
  };
  s.Play("TaxFrm", [&](Form& f) {
    EXPECT_EQ(CountyScreens::Label(f, "FrmTitleLbl"), "Taxes");
    EXPECT_EQ(CountyScreens::Label(f, "TaxLbl"), "0 %");
    for (const Step& step : steps) {
      SCOPED_TRACE(std::string(step.button) + " to " + step.tax);
      for (int i = 0; i < step.presses; ++i) s.Click(f, step.button);
      EXPECT_EQ(CountyScreens::Label(f, "TaxLbl"), step.tax);
      EXPECT_EQ(CountyScreens::Label(f, "GoldLbl"), step.gold);
      EXPECT_EQ(CountyScreens::Label(f, "HappinessLbl"), step.happiness);
      EXPECT_EQ(s.game.state.TaxRate, std::stoi(step.tax));
    }
    s.Click(f, "TaxUp");
    s.Click(f, "TaxUp");
    s.Click(f, "TaxUp");
  });
  EXPECT_EQ(s.game.state.TaxRate, 30);
}

}  // namespace
}  // namespace valorne
