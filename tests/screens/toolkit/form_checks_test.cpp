#include "screens/toolkit/form_checks.h"

#include <gtest/gtest.h>

#include "screens/toolkit/standard_forms.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Screens;

const ControlSpec kFaulty[] = {
    {.name = "MapSurface",
     .kind = ControlKind::Picture,
     .rect = {-200, -100, 1280, 1024},
     .picture = "mapres"},
    {.name = "FieldImg1",
     .kind = ControlKind::Image,
     .rect = {1270, 10, 20, 20},
     .picture = "field",
     .parent = "MapSurface"},
    {.name = "OkAniBtn",
     .kind = ControlKind::AniButton,
     .rect = {380, 10, 40, 20},
     .picture = "okbutton"},
    {.name = "TitleLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {10, 10, 100, 20},
     .caption = {3, 84}},
    {.name = "Label4",
     .kind = ControlKind::RunaLabel,
     .rect = {10, 40, 100, 20},
     .caption = {3, 99}},
    {.name = "Bad Name", .kind = ControlKind::Label, .rect = {10, 70, 100, 20}},
    {.name = "WideLbl", .kind = ControlKind::Label, .rect = {10, 90, -5, 20}},
};

TEST(FormChecks, FindEveryKindOfFault) {
  Screens s;
  s.game.texts.Category(3).Set(84, Utf8ToGlyphs("Objectives"));
  Form form(s.ui,
            {.name = "FaultyFrm", .size = {400, 300}, .controls = kFaulty, .background = "paper"});
  FormCheckOptions options;
  options.picture_exists = [](std::string_view p) { return p == "mapres" || p == "field"; };
  options.texts = &s.game.texts;
  options.may_overhang = {"MapSurface"};
  EXPECT_EQ(CheckForm(form, options),
            (std::vector<std::string>{
                "FaultyFrm.FieldImg1 lies outside MapSurface",
                "FaultyFrm.OkAniBtn lies outside the form",
                "FaultyFrm.OkAniBtn shows the picture okbutton, which is missing",
                "FaultyFrm.Label4 shows the text 3/99, which does not exist",
                "FaultyFrm.Bad Name is not a well-formed name",
                "FaultyFrm.WideLbl has a negative size",
                "FaultyFrm has the background paper, which is missing",
            }));
  // Without the allowance the map itself is reported too.
  options.may_overhang.clear();
  EXPECT_EQ(CheckForm(form, options).front(), "FaultyFrm.MapSurface lies outside the form");
}

TEST(FormChecks, TheToolkitsOwnScreensAreSound) {
  Screens s;
  s.registry.Register("TaxFrm",
                      [](Game&, Ui& u) { return std::make_unique<PlaceholderForm>(u, "TaxFrm"); });
  s.registry.Register("BrokenFrm", [](Game&, Ui& u) -> std::unique_ptr<Form> {
    auto f = std::make_unique<PlaceholderForm>(u, "BrokenFrm");
    f->On("NoSuchBtn", FormEvent::Click, [] {});
    return f;
  });
  EXPECT_EQ(
      CheckRegisteredScreens(s.registry, s.game, s.ui),
      (std::vector<std::string>{
          "BrokenFrm cannot be made: BrokenFrm has no control named NoSuchBtn to bind Click to"}));
  QuestionBoxForm question(s.ui);
  MessageBoxForm message(s.ui);
  EXPECT_TRUE(CheckForm(question).empty());
  EXPECT_TRUE(CheckForm(message).empty());
}

}  // namespace
}  // namespace valorne
