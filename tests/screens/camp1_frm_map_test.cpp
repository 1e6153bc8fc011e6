// The objects of the campaign map as the state calls for them, the clicks on
// the map that open the county's screens, the field menu, and the quick save
// and load keys with the redraw after a load.
#include <filesystem>

#include "county/fields.h"
#include "level/saves.h"
#include "map_screens_fixture.h"
#include "screens/map_layout.h"

namespace valorne {
namespace {

using map_testing::MapScreens;

TEST(Camp1FrmMap, EveryObjectOfTheMapFileLiesAtItsRectangle) {
  MapScreens s;
  const MapLayout layout = LoadMapLayout(s.folder / "maps/camp1.map");
  s.OnMap([&](Camp1Frm& map) {
    for (const auto& [name, object] : layout.objects) {
      if (name.starts_with("ArmyCamp")) continue;  // the armies stand on their waypoints
      const Control& c = map[name];
      EXPECT_EQ(c.parent()->name(), "MapSurface") << name;
      EXPECT_EQ(c.rect(),
                (Rect{object.rect.left, object.rect.top, object.rect.width, object.rect.height}))
          << name;
    }
    for (const auto& [number, at] : layout.waypoints) {
      const Control& marker = map["WalkTo" + std::to_string(number)];
      EXPECT_EQ(marker.rect(), (Rect{at.x, at.y, 24, 24}));
      EXPECT_FALSE(marker.visible());
    }
  });
}

TEST(Camp1FrmMap, PicturesFollowTheState) {
  struct Case {
    const char* what;
    std::function<void(GameState&, LiveState&)> change;
    const char* object;
    const char* picture;  // "" when hidden
  };
  const Case cases[] = {
      {"a standing village", [](GameState&, LiveState&) {}, "VillageImg1", "VillageRes1"},
      {"a burnt village", [](GameState& s, LiveState&) { s.VillageStates[2] = 4; }, "VillageImg2",
       "VillageBurntRes2"},
      {"a burnt windmill", [](GameState& s, LiveState&) { s.WindmillStates[1] = 6; },
       "WindmillImg1", "WindmillBurntRes"},
      {"an opened chest", [](GameState& s, LiveState&) { s.ChestStates[3] = 1; }, "ChestImg3",
       "ChestRes2"},
      {"the fort of a new level", [](GameState&, LiveState&) {}, "WarBuilding", "FortRes"},
      {"the bunker standing", [](GameState& s, LiveState&) { s.CastleStageBuilt[4] = kTrue; },
       "WarBuilding", "BunkerRes"},
      {"no castle yet",
       [](GameState& s, LiveState&) {
         for (int k = 1; k <= 5; ++k) s.CastleStageBuilt[k] = kFalse;
       },
       "WarBuilding", ""},
      {"the keep being built",
       [](GameState& s, LiveState&) {
         for (int k = 1; k <= 5; ++k) s.CastleStageBuilt[k] = kFalse;
         s.ConstructionBuilding = 6;
         s.ConstructionTurns = 3;
       },
       "WarBuilding", "CastleBuildRes"},
      {"rival 1's first camp", [](GameState&, LiveState&) {}, "EnemyCamp1Img", "EnemyCampRes1"},
      {"rival 1's second camp unraised", [](GameState&, LiveState&) {}, "EnemyCamp2Img", ""},
      {"rival 1's camps after its fall", [](GameState& s, LiveState&) { s.Rival1Standing = 0; },
       "EnemyCamp1Img", ""},
      {"rival 1's castle fallen", [](GameState& s, LiveState&) { s.Rival1Standing = 0; },
       "WarBuilding2", "RivalCastleFallenRes"},
      {"a rebel mob", [](GameState& s, LiveState&) { s.RebelsActive = kTrue; }, "RebelionArmyImg1",
       "MobRes"},
      {"no rebels", [](GameState&, LiveState&) {}, "RebelionArmyImg1", ""},
      {"the first outlaw band", [](GameState&, LiveState&) {}, "OutLawArmyImg1", "OutlawRes"},
      {"a leased field",
       [](GameState& s, LiveState& l) {
         s.FieldStates[7] = 4;
         l.FieldPictures[7] = "";
       },
       "FieldImg7", "HireRes"},
      {"crops in winter",
       [](GameState& s, LiveState&) {
         s.FieldStates[2] = 1;
         s.Season = 2;
       },
       "FieldImg2", "CropsRes2"},
      {"the plague", [](GameState&, LiveState& l) { l.PlagueShown = true; }, "PlagueImg3",
       "SkullRes"},
      {"the garrison", [](GameState& s, LiveState&) { s.GarrisonedArmy = 1; }, "GarisonImg",
       "GarisonRes"},
      {"the ore works", [](GameState&, LiveState&) {}, "OreCutterImg1", "OreCutterRes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MapScreens s;
    c.change(s.game.state, s.game.live);
    s.OnMap([&](Camp1Frm& map) {
      const Control& object = map[c.object];
      EXPECT_EQ(object.visible(), *c.picture != '\0');
      if (*c.picture) {
        EXPECT_EQ(object.picture(), c.picture);
      }
    });
  }
}

TEST(Camp1FrmMap, ArmiesStandOnTheirWaypointsOnlyWhileTheyExist) {
  MapScreens s;
  const MapLayout layout = LoadMapLayout(s.folder / "maps/camp1.map");
  GameState& st = s.game.state;
  st.ArmyExists[1] = kTrue;
  st.ArmyWaypointNos[1] = 2;
  st.ArmyExists[2] = kFalse;
  st.ArmyExists[3] = kTrue;
  st.ArmyWaypointNos[3] = 34;
  s.OnMap([&](Camp1Frm& map) {
    const MapPoint w2 = layout.waypoints.at(2);
    const MapPoint w34 = layout.waypoints.at(34);
    EXPECT_TRUE(map["ArmyCamp1Img"].visible());
    EXPECT_EQ(map["ArmyCamp1Img"].rect().left, w2.x);
    EXPECT_EQ(map["ArmyCamp1Img"].rect().top, w2.y - 25);
    EXPECT_FALSE(map["ArmyCamp2Img"].visible());
    EXPECT_FALSE(map["Camp2StatusImg"].visible());
    EXPECT_EQ(map["ArmyCamp3Img"].rect().left, w34.x);
    EXPECT_EQ(map["ArmyCamp3Img"].rect().top, w34.y - 25);
    // An army that has used its moves shows it on its status icon.
    st.ArmyMovesLeft[3] = 0;
    map.RedrawAll();
    EXPECT_EQ(map["Camp3StatusImg"].picture(), "CampStatusRes2");
    EXPECT_EQ(map["Camp1StatusImg"].picture(), "CampStatusRes1");
  });
}

TEST(Camp1FrmMap, TheFieldMenuOffersWhatTheSeasonAllows) {
  MapScreens s;
  GameState& st = s.game.state;
  st.Season = 1;
  st.IdlePeople = 150;
  s.OnMap([&](Camp1Frm& map) {
    s.ui.ClickOn(map, &map["FieldImg3"], MouseButton::Right);
    EXPECT_TRUE(map["Field1Pic"].visible());
    EXPECT_TRUE(map["Field2Pic"].visible());
    EXPECT_FALSE(map["Field3Pic"].visible());
    EXPECT_TRUE(map["Field4Pic"].visible());
    EXPECT_TRUE(map["CropsShadow"].visible());
    // The buttons sit at the corners of the field.
    const Rect field = map["FieldImg3"].rect();
    EXPECT_TRUE(map["Field1Pic"].rect().Contains(Point{field.left, field.top}));
    EXPECT_TRUE(map["Field4Pic"].rect().Contains(Point{field.right() - 1, field.bottom() - 1}));

    s.Click(map, "Field2Pic");  // crops: 100 of the 150 idle people go to the field
    EXPECT_EQ(st.FieldStates[3], 1);
    EXPECT_EQ(st.IdlePeople, 50);
    EXPECT_EQ(map["FieldImg3"].picture(), "CropsRes1");
    EXPECT_FALSE(map["Field2Pic"].visible());
    EXPECT_EQ(map["CCropsLbl"].Text(), "1");

    // Too few idle people for a second crops field: the menu stays open.
    s.ui.ClickOn(map, &map["FieldImg4"], MouseButton::Right);
    s.Click(map, "Field2Pic");
    EXPECT_EQ(st.FieldStates[4], 0);
    EXPECT_TRUE(map["Field2Pic"].visible());
    // A press elsewhere on the map closes it.
    s.ui.ClickOn(map, &map["MapPictureImg"], MouseButton::Left);
    EXPECT_FALSE(map["Field1Pic"].visible());
    EXPECT_FALSE(map["CropsShadow"].visible());

    // A flooded field opens no menu.
    st.FieldStates[5] = 3;
    s.ui.ClickOn(map, &map["FieldImg5"], MouseButton::Right);
    EXPECT_FALSE(map["Field1Pic"].visible());
  });
}

TEST(Camp1FrmMap, ClicksOnTheMapOpenTheirScreens) {
  struct Case {
    const char* object;
    std::function<void(GameState&)> change;
    std::vector<std::string> screens;
  };
  const Case cases[] = {
      {"FieldImg1", [](GameState& s) { s.FieldStates[1] = 1; }, {"CropsFrm"}},
      {"FieldImg1", [](GameState& s) { s.FieldStates[1] = 2; }, {"CattleFrm"}},
      {"FieldImg1", [](GameState& s) { s.FieldStates[1] = 4; }, {}},
      {"WoodCutterImg1", [](GameState&) {}, {"WoodFrm"}},
      {"StoneCutterImg1", [](GameState&) {}, {"Stonefrm"}},
      {"OreCutterImg1", [](GameState&) {}, {}},  // rival 1 still stands
      {"OreCutterImg1", [](GameState& s) { s.Rival1Standing = 0; }, {"OreFrm"}},
      {"GarryImg", [](GameState&) {}, {"GarryFrm"}},
      {"Image1", [](GameState&) {}, {"TipsFrm"}},
      {"Camp1StatusImg", [](GameState&) {}, {"ArmyCampFrm"}},
      {"ArmyCamp1Img", [](GameState&) {}, {"ArmyCampFrm"}},
      {"WarBuilding", [](GameState&) {}, {"BuildingFrm"}},
      {"WarBuilding2", [](GameState&) {}, {}},  // a rival's castle is not ours to enter
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.object);
    MapScreens s;
    c.change(s.game.state);
    s.OnMap([&](Camp1Frm& map) { EXPECT_EQ(s.Click(map, c.object), c.screens); });
  }
}

TEST(Camp1FrmMap, TheTradePostNamesItselfOnTheInformationPanel) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    EXPECT_FALSE(map["InfoPanelPic"].visible());
    s.Click(map, "GarryImg");
    EXPECT_EQ(map["Helper4"].Text(), s.Text({4, 104}));
    EXPECT_EQ(map["Helper3"].Text(), s.Text({1, 47}));
    EXPECT_TRUE(map["InfoPanelPic"].visible());
    EXPECT_EQ(s.Played().back(), "EnvChanel02: trade01.wav");
  });
}

TEST(Camp1FrmMap, HoveringAnArmyShowsItsReadout) {
  MapScreens s;
  GameState& st = s.game.state;
  st.ArmyExists[2] = kTrue;
  st.ArmySizes[2] = 432;
  st.ArmyMovesLeft[2] = 2;
  st.ArmyWaypointNos[2] = 5;
  st.Morale = 61.8f;
  s.OnMap([&](Camp1Frm& map) {
    s.ui.PointAt(map, &map["ArmyCamp2Img"]);
    EXPECT_EQ(map["ArmyNumLbl"].Text(), "432");
    EXPECT_EQ(map["WalkLbl"].Text(), "2 / 3");
    EXPECT_EQ(map["MoralLbl"].Text(), "61");
    EXPECT_EQ(map["Helper"].Text(), s.Text({4, 115}));
  });
}

TEST(Camp1FrmMap, QuickSaveAndLoadRedrawTheMap) {
  MapScreens s;
  GameState& st = s.game.state;
  s.OnMap([&](Camp1Frm& map) {
    s.ui.Key("F6", true);
    s.ui.Key("F6", false);
    ASSERT_TRUE(std::filesystem::exists(SaveFilePath(s.game, "QuickSave")));
    EXPECT_EQ(std::filesystem::file_size(SaveFilePath(s.game, "QuickSave")), 792u);
    EXPECT_EQ(s.source.opened, std::vector<std::string>{"MsgBoxFrm"});

    const Long gold = st.Gold;
    st.Gold = 7;
    st.VillageStates[1] = 3;
    map.RedrawAll();
    EXPECT_EQ(map["VillageImg1"].picture(), "VillageBurntRes1");
    s.ui.Key("F7", false);
    EXPECT_EQ(st.Gold, gold);
    EXPECT_EQ(map["GoldLbl"].Text(), std::to_string(gold));
    EXPECT_EQ(map["VillageImg1"].picture(), "VillageRes1");
  });
}

TEST(Camp1FrmMap, QuickKeysWaitWhileAnArmyWalks) {
  MapScreens s;
  s.game.live.ArmyWalking = true;
  s.OnMap([&](Camp1Frm&) {
    s.ui.Key("F6", false);
    s.ui.Key("F7", false);
    EXPECT_FALSE(std::filesystem::exists(SaveFilePath(s.game, "QuickSave")));
    EXPECT_TRUE(s.source.opened.empty());
  });
}

TEST(Camp1FrmMap, AQuickLoadWithoutAQuickSaveSaysSoOnTheHintLine) {
  MapScreens s;
  s.OnMap([&](Camp1Frm& map) {
    s.ui.Key("F7", false);
    EXPECT_NE(map["Helper"].Text(), "");
    EXPECT_TRUE(s.source.opened.empty());
  });
}

}  // namespace
}  // namespace valorne
