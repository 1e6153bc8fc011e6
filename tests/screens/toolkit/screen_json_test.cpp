#include "screens/toolkit/screen_json.h"

#include <gtest/gtest.h>

#include "screens/toolkit/controls.h"
#include "support/json.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

using testing::Keys;
using testing::ParseJson;
using testing::Screens;

TEST(ScreenJson, StringsAreEscapedAndStayValid) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", R"("plain")"},
      {"say \"aye\"", R"("say \"aye\"")"},
      {"back\\slash", R"("back\\slash")"},
      {"two\nlines\ttab", R"("two\nlines\ttab")"},
      {std::string("bell\x07", 5), R"("bell\u0007")"},
      {"K\xC3\xA4se \xE2\x80\x94", "\"K\xC3\xA4se \xE2\x80\x94\""},  // UTF-8 kept
      {"bad\xFF"
       "byte",
       R"("bad\ufffdbyte")"},
      {"cut\xE2\x80", R"("cut\ufffd\ufffd")"},
      {"\xC0\xAF", R"("\ufffd\ufffd")"},  // an overlong slash
  };
  for (const auto& [text, json] : cases) {
    EXPECT_EQ(JsonString(text), json);
    EXPECT_NO_THROW(ParseJson(JsonString(text))) << json;
  }
}

const ControlSpec kTips[] = {
    {.name = "TipLbl", .kind = ControlKind::RunaLabel, .rect = {20, 40, 400, 20}, .index = 1},
    {.name = "TipLbl", .kind = ControlKind::RunaLabel, .rect = {20, 60, 400, 20}, .index = 2},
    {.name = "Image1", .kind = ControlKind::Image, .rect = {500, 10, 32, 32}, .picture = "close"},
    {.name = "RivalsLst",
     .kind = ControlKind::RunaListBox,
     .rect = {20, 100, 200, 60},
     .text = "Lions\nDragons"},
    {.name = "MusicOption",
     .kind = ControlKind::CheckBox,
     .rect = {20, 180, 120, 20},
     .text = "Music"},
};

TEST(ScreenJson, ShowListsEveryControlWithItsState) {
  Screens s;
  Form form(s.ui, {.name = "TipsFrm", .size = {640, 480}, .controls = kTips});
  form["TipLbl(2)"].SetText("Farming \"level\" 10");
  form["TipLbl(2)"].SetFore(Rgb(0, 150, 50));
  form["Image1"].SetVisible(false);
  form.Get<ListBox>("RivalsLst").SetListIndex(1);
  form.Get<CheckBox>("MusicOption").SetChecked(true);

  const std::string line = FormJson(form);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  const auto json = ParseJson(line);
  EXPECT_EQ(Keys(json), (std::vector<std::string>{"name", "controls"}));
  EXPECT_EQ(json.at("name").get<std::string>(), "TipsFrm");
  const auto& controls = json.at("controls");
  ASSERT_EQ(controls.size(), 5u);
  EXPECT_EQ(Keys(controls[0]),
            (std::vector<std::string>{"name", "kind", "visible", "enabled", "text", "colour",
                                      "left", "top", "width", "height", "picture"}));
  const auto& tip = controls[1];
  EXPECT_EQ(tip.at("name").get<std::string>(), "TipLbl(2)");
  EXPECT_EQ(tip.at("kind").get<std::string>(), "runa_label");
  EXPECT_EQ(tip.at("text").get<std::string>(), "Farming \"level\" 10");
  EXPECT_EQ(tip.at("colour").get<std::string>(), "#009632");
  EXPECT_EQ(tip.at("top").get<double>(), 60);
  EXPECT_EQ(tip.at("width").get<double>(), 400);
  EXPECT_FALSE(controls[2].at("visible").get<bool>());
  EXPECT_TRUE(controls[2].at("enabled").get<bool>());
  EXPECT_EQ(controls[2].at("picture").get<std::string>(), "close");
  EXPECT_EQ(controls[3].at("text").get<std::string>(), "Dragons");
  EXPECT_EQ(controls[3].at("items").size(), 2u);
  EXPECT_EQ(controls[3].at("index").get<double>(), 1);
  EXPECT_TRUE(controls[4].at("checked").get<bool>());
  EXPECT_EQ(controls[4].at("text").get<std::string>(), "Music");
}

}  // namespace
}  // namespace valorne
