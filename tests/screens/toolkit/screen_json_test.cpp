#include "screens/toolkit/screen_json.h"

#include <gtest/gtest.h>

#include "screens/toolkit/controls.h"
#include "support/json_reader.h"
#include "toolkit_fixture.h"

namespace valorne {
namespace {

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
  EXPECT_EQ(json.Keys(), (std::vector<std::string>{"name", "controls"}));
  EXPECT_EQ(json["name"].str(), "TipsFrm");
  const auto& controls = json["controls"].array();
  ASSERT_EQ(controls.size(), 5u);
  EXPECT_EQ(controls[0].Keys(),
            (std::vector<std::string>{"name", "kind", "visible", "enabled", "text", "colour",
                                      "left", "top", "width", "height", "picture"}));
  const auto& tip = controls[1];
  EXPECT_EQ(tip["name"].str(), "TipLbl(2)");
  EXPECT_EQ(tip["kind"].str(), "runa_label");
  EXPECT_EQ(tip["text"].str(), "Farming \"level\" 10");
  EXPECT_EQ(tip["colour"].str(), "#009632");
  EXPECT_EQ(tip["top"].number(), 60);
  EXPECT_EQ(tip["width"].number(), 400);
  EXPECT_FALSE(controls[2]["visible"].boolean());
  EXPECT_TRUE(controls[2]["enabled"].boolean());
  EXPECT_EQ(controls[2]["picture"].str(), "close");
  EXPECT_EQ(controls[3]["text"].str(), "Dragons");
  EXPECT_EQ(controls[3]["items"].array().size(), 2u);
  EXPECT_EQ(controls[3]["index"].number(), 1);
  EXPECT_TRUE(controls[4]["checked"].boolean());
  EXPECT_EQ(controls[4]["text"].str(), "Music");
}

}  // namespace
}  // namespace valorne
