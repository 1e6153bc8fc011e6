#include <gtest/gtest.h>

#include <algorithm>

#include "../../tools/make_art/asset_names.h"
#include "county/county_frm_fixture.h"
#include "screens/toolkit/form_checks.h"

namespace valorne {
namespace {

using county_testing::CountyScreens;

bool PictureListed(std::string_view name) {
  return std::any_of(std::begin(assets::kAssets), std::end(assets::kAssets),
                     [name](const assets::Asset& a) {
                       return a.kind == assets::Kind::kPicture && a.name == name;
                     });
}

TEST(FieldScreens, EveryScreenIsRegisteredUnderItsNameAndWellMade) {
  CountyScreens s;
  EXPECT_EQ(s.registry.Names(),
            (std::vector<std::string>{"CattleFrm", "CropsFrm", "OreFrm", "PeopleFrm", "Stonefrm",
                                      "TaxFrm", "WoodFrm"}));
  FormCheckOptions options;
  options.picture_exists = PictureListed;
  options.texts = &s.game.texts;
  EXPECT_EQ(CheckRegisteredScreens(s.registry, s.game, s.ui, options), std::vector<std::string>{});
}

}  // namespace
}  // namespace valorne
