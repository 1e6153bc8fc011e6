// Every file of our data set, by the name the game asks for. make_art paints
// exactly these (it refuses to finish when a name has no painter or a painter
// makes a name not listed here), and the tests check the game folder against
// this list. Standard library only, so game code and tests may include it.
//
// Where the files go in the game folder:
//   picture   graphics/high/<file> and graphics/low/<file> (the low set has
//             fewer colours); <file> is the name plus ".png", or the name as
//             it stands when it has an extension ("graphic_smallbox.rx").
//             Every picture is a PNG with an alpha channel; transparent
//             pixels are not drawn.
//             A picture with frames > 1 is a horizontal strip of that many
//             frames of equal width (frame width = picture width / frames).
//   anim      anim/<name>: a PNG horizontal strip of square frames (frame
//             size = picture height), played left to right at 8 frames a
//             second.
//   sound     sounds/<name>: WAV, 16-bit PCM, mono, 22050 Hz.
//   pointer   pointers/<name>: ICO with one 32 x 32 image (32-bit BMP inside).
#pragma once

#include <string>
#include <string_view>

namespace valorne::assets {

enum class Kind { kPicture, kAnim, kSound, kPointer };

struct Asset {
  std::string_view name;
  Kind kind;
  int frames;  // pictures and anims: frames in the strip (1 = a single picture)
};

constexpr Kind Pic = Kind::kPicture;
constexpr Kind Anm = Kind::kAnim;
constexpr Kind Snd = Kind::kSound;
constexpr Kind Ptr = Kind::kPointer;

inline constexpr Asset kAssets[] = {
    // The map screen: the painted county, the two bars, the whole-map preview,
    // the end-of-turn fade and the busy strip (four 39 x 39 frames).
    {"mapres", Pic, 1},
    {"menutopres", Pic, 1},
    {"menubottomres", Pic, 1},
    {"mappreviewres", Pic, 1},    // the land in miniature, 576 x 432 (the map at 24 %)
    {"PreviewMarkRes", Pic, 16},  // the preview's 24 x 24 markers, in the order of PreviewMark
    // The guard screen's small maps of the scouts' three places (the dolmen,
    // the statue, the chapel), 160 x 120, the place ringed.
    {"ScoutMapRes1", Pic, 1},
    {"ScoutMapRes2", Pic, 1},
    {"ScoutMapRes3", Pic, 1},
    {"faderes", Pic, 1},
    {"endturnres", Pic, 4},
    // The resource container's sheets.
    {"fireres", Pic, 8},       // forge fire
    {"candleres", Pic, 8},     // candle flame
    {"framesres", Pic, 4},     // parchment, wood, stone, gold frames (border 16)
    {"drawingsres", Pic, 10},  // the builder's drawings of the ten buildings
    {"scrollsres", Pic, 3},    // closed, half open and open scroll
    {"iconsres", Pic, 24},     // the status bar icons, in the order of IconNames
    {"picturesres", Pic, 6},   // village, fields, forest, church, castle, market scenes
    {"keepres", Pic, 1},
    {"bailyres", Pic, 1},
    {"fortres", Pic, 1},
    {"bunkerres", Pic, 1},
    {"castleres", Pic, 1},  // the castle stages, large (castle screen)
    {"buildres", Pic, 10},  // the ten buildings of the build screen
    // Frames of the screens.
    {"graphic_smallbox.rx", Pic, 1},         // parchment, 320 x 240, border 12
    {"graphic_normalbox.rx", Pic, 1},        // wood round parchment, 480 x 360, border 24
    {"graphic_largebox.rx", Pic, 1},         // stone round parchment, 640 x 480, border 32
    {"graphic_scrollbox.rx", Pic, 1},        // an open scroll, 400 x 520, rolls 36 high
    {"graphic_caption.rx", Pic, 1},          // a wooden caption plaque, 360 x 48
    {"graphic_objectives.rx", Pic, 1},       // parchment with the county drawn on it, 640 x 480
    {"graphic_objectivesframe.rx", Pic, 1},  // carved stone frame, 800 x 600, open 560 x 400 middle
    // The campaign's programs around the level: the title picture of the
    // splash and the title menu, and the closing page after a victory.
    {"titleres", Pic, 1},  // the castle at dawn over the county, 800 x 600
    {"introres", Pic, 1},  // a parchment page in a wooden frame, 800 x 600
    // Unit portraits: the fourteen unit types, then scout, guard, assassin.
    {"sold1res", Pic, 1},
    {"sold2res", Pic, 1},
    {"sold3res", Pic, 1},
    {"sold4res", Pic, 1},
    {"sold5res", Pic, 1},
    {"sold6res", Pic, 1},
    {"sold7res", Pic, 1},
    {"sold8res", Pic, 1},
    {"sold9res", Pic, 1},
    {"sold10res", Pic, 1},
    {"sold11res", Pic, 1},
    {"sold12res", Pic, 1},
    {"sold13res", Pic, 1},
    {"sold14res", Pic, 1},
    {"sold15res", Pic, 1},
    {"sold16res", Pic, 1},
    {"sold17res", Pic, 1},
    // Fields by state, and by season for crops (1 autumn harvest, 2 winter,
    // 3 spring, 4 summer).
    {"EmptyRes", Pic, 1},
    {"CropsRes1", Pic, 1},
    {"CropsRes2", Pic, 1},
    {"CropsRes3", Pic, 1},
    {"CropsRes4", Pic, 1},
    {"CattleRes", Pic, 1},
    {"FloodRes", Pic, 1},
    {"HireRes", Pic, 1},
    {"CropsShadow", Pic, 1},  // the frame under a field whose menu is open
    {"Field1Pic", Pic, 1},
    {"Field2Pic", Pic, 1},
    {"Field3Pic", Pic, 1},
    {"Field4Pic", Pic, 1},
    // The village and windmill menu: look in, set on fire.
    {"Village1Pic", Pic, 1},
    {"Village2Pic", Pic, 1},
    // The build screen's arrow, the go-to panel, a rival's relation (friendly,
    // neutral, hostile).
    {"ArrowRes", Pic, 1},
    {"GoToPic", Pic, 1},
    {"DiploStatusRes1", Pic, 1},
    {"DiploStatusRes2", Pic, 1},
    {"DiploStatusRes3", Pic, 1},
    // Works places (free, in use), army status (moves left, none left).
    {"SlotRes1", Pic, 1},
    {"SlotRes2", Pic, 1},
    {"CampStatusRes1", Pic, 1},
    {"CampStatusRes2", Pic, 1},
    // Our castle on the map by stage, and a stage being built.
    {"KeepRes", Pic, 1},
    {"BailyRes", Pic, 1},
    {"FortRes", Pic, 1},
    {"BunkerRes", Pic, 1},
    {"CastleRes", Pic, 1},
    {"CastleBuildRes", Pic, 1},
    // The rival counties' castles, standing and fallen.
    {"RivalCastleRes1", Pic, 1},
    {"RivalCastleRes2", Pic, 1},
    {"RivalCastleFallenRes", Pic, 1},
    // Status icons of the bar (32 x 32) and other small marks.
    {"OkImage", Pic, 1},
    {"ScullRes", Pic, 1},
    {"SkullRes", Pic, 1},
    {"CrownRes", Pic, 1},
    {"ClockRes", Pic, 1},
    {"WarwarningRes", Pic, 1},
    {"AssassinStatusRes", Pic, 1},
    {"ScoutStatusRes", Pic, 1},
    {"FlagRes", Pic, 1},
    {"EFlagRes", Pic, 1},
    {"SelectorRes", Pic, 1},
    {"GarisonRes", Pic, 1},
    {"WalkToRes", Pic, 1},
    {"WalkToRes_hover", Pic, 1},
    {"SiteFlagRes1", Pic, 1},
    {"SiteFlagRes2", Pic, 1},
    {"SiteFlagRes3", Pic, 1},  // held by us, rival 1, rival 2
    // Villages and windmills, standing and burnt; the windmill's sails turning.
    {"VillageRes1", Pic, 1},
    {"VillageRes2", Pic, 1},
    {"VillageRes3", Pic, 1},
    {"VillageBurntRes1", Pic, 1},
    {"VillageBurntRes2", Pic, 1},
    {"VillageBurntRes3", Pic, 1},
    {"WindmillRes", Pic, 1},
    {"WindmillBurntRes", Pic, 1},
    {"WindmillAnimRes", Pic, 8},  // square frames, the windmill in the middle
    // The map's life: square frames laid over the map. A flock of birds (0..3
    // flying right, 4..7 left), a leaping fish, the waterfall's water, chimney
    // smoke, the fire of a burnt place, a chest's glint.
    {"BirdsAnimRes", Pic, 8},
    {"FishAnimRes", Pic, 8},
    {"WaterfallAnimRes", Pic, 6},
    {"SmokeAnimRes", Pic, 8},
    {"MapFireRes", Pic, 8},
    {"ChestGlintRes", Pic, 6},
    // Treasure chests: closed, open, and opening.
    {"ChestRes1", Pic, 1},
    {"ChestRes2", Pic, 1},
    {"ChestAnimRes", Pic, 4},
    // Works and special places.
    {"WoodCutterRes", Pic, 1},
    {"StoneCutterRes", Pic, 1},
    {"OreCutterRes", Pic, 1},
    {"DolmenRes", Pic, 1},
    {"ADolmenRes", Pic, 1},
    {"CrossRes", Pic, 1},
    {"ChapelRes", Pic, 1},
    {"GChapelRes", Pic, 1},
    {"HutRes", Pic, 1},
    {"ObeliskRes", Pic, 1},
    {"StatueRes", Pic, 1},
    {"TavernRes", Pic, 1},
    {"HBattlefieldRes", Pic, 1},
    {"BattlefieldRes", Pic, 1},
    {"RuinsRes", Pic, 1},
    {"RuinsClearedRes", Pic, 1},
    {"CaveRes", Pic, 1},
    {"CaveClearedRes", Pic, 1},
    {"OutpostRes", Pic, 1},
    {"GarryRes", Pic, 1},
    // Forces on the map: our three armies (standing), their walk strips (per
    // facing 1..8: standing, step A, step B), enemy camps of county 1 and 2,
    // a burnt camp, outlaws, the rebel mob, allies, a siege.
    {"ArmyRes1", Pic, 1},
    {"ArmyRes2", Pic, 1},
    {"ArmyRes3", Pic, 1},
    {"ArmyWalkRes1", Pic, 24},
    {"ArmyWalkRes2", Pic, 24},
    {"ArmyWalkRes3", Pic, 24},
    {"EnemyCampRes1", Pic, 1},
    {"EnemyCampRes2", Pic, 1},
    {"CampBurntRes", Pic, 1},
    // A rival county's army on the march toward our castle (county 1, 2).
    {"EnemyMarchRes1", Pic, 1},
    {"EnemyMarchRes2", Pic, 1},
    {"OutlawRes", Pic, 1},
    {"MobRes", Pic, 1},
    {"AlliesRes", Pic, 1},
    {"SiegeRes", Pic, 1},
    // The fourteen command buttons, plain and highlighted.
    {"ArmyBtn", Pic, 1},
    {"ArmyBtn_hover", Pic, 1},
    {"BlacksmithBtn", Pic, 1},
    {"BlacksmithBtn_hover", Pic, 1},
    {"BuildBtn", Pic, 1},
    {"BuildBtn_hover", Pic, 1},
    {"DiploBtn", Pic, 1},
    {"DiploBtn_hover", Pic, 1},
    {"ScienceBtn", Pic, 1},
    {"ScienceBtn_hover", Pic, 1},
    {"TaxBtn", Pic, 1},
    {"TaxBtn_hover", Pic, 1},
    {"PeopleBtn", Pic, 1},
    {"PeopleBtn_hover", Pic, 1},
    {"EndTurnBtn", Pic, 1},
    {"EndTurnBtn_hover", Pic, 1},
    {"PreviewBtn", Pic, 1},
    {"PreviewBtn_hover", Pic, 1},
    {"RealmBtn", Pic, 1},
    {"RealmBtn_hover", Pic, 1},
    {"MenuBtn", Pic, 1},
    {"MenuBtn_hover", Pic, 1},
    {"MessagessBtn", Pic, 1},
    {"MessagessBtn_hover", Pic, 1},
    {"WeatherBtn", Pic, 1},
    {"WeatherBtn_hover", Pic, 1},
    {"SpecialBtn", Pic, 1},
    {"SpecialBtn_hover", Pic, 1},
    // The dialog buttons shared by the screens, plain and highlighted.
    {"OkAniBtn", Pic, 1},
    {"OkAniBtn_hover", Pic, 1},
    {"CancelAniBtn", Pic, 1},
    {"CancelAniBtn_hover", Pic, 1},
    {"Noanibtn", Pic, 1},
    {"Noanibtn_hover", Pic, 1},
    {"UpAniBtn", Pic, 1},
    {"UpAniBtn_hover", Pic, 1},
    {"DownAniBtn", Pic, 1},
    {"DownAniBtn_hover", Pic, 1},
    // The smithy's eleven items (blacksmith and armoury screens).
    {"BowRes", Pic, 1},
    {"ClubRes", Pic, 1},
    {"SwordRes", Pic, 1},
    {"HelebardRes", Pic, 1},
    {"TwoHandRes", Pic, 1},
    {"MaceRes", Pic, 1},
    {"PikeRes", Pic, 1},
    {"CrossItemRes", Pic, 1},
    {"ChainMailRes", Pic, 1},
    {"PlateRes", Pic, 1},
    {"ShieldRes", Pic, 1},

    // Animations and movies.
    {"fall.rx", Anm, 12},
    {"winter.rx", Anm, 12},
    {"spring.rx", Anm, 12},
    {"summer.rx", Anm, 12},
    {"smithy.rx", Anm, 8},
    {"trade.rx", Anm, 8},
    {"guard.rx", Anm, 8},
    {"plague.rx", Anm, 12},
    {"assassin_ok.rx", Anm, 16},
    {"assassin_failed.rx", Anm, 16},
    {"scout_ok.rx", Anm, 16},
    {"scout_failed.rx", Anm, 16},
    {"death.rx", Anm, 16},

    // Sounds.
    {"music01.wav", Snd, 0},
    {"fauna01.wav", Snd, 0},
    {"fauna02.wav", Snd, 0},
    {"fauna03.wav", Snd, 0},
    {"fauna04.wav", Snd, 0},
    {"click01.wav", Snd, 0},
    {"click02.wav", Snd, 0},
    {"rollover01.wav", Snd, 0},
    {"turn01.wav", Snd, 0},
    {"message.wav", Snd, 0},
    {"victory.wav", Snd, 0},
    {"defeat.wav", Snd, 0},
    {"army01.wav", Snd, 0},
    {"armymapwalk01.wav", Snd, 0},
    {"fire01.wav", Snd, 0},
    {"blacksmith01.wav", Snd, 0},
    {"armoury01.wav", Snd, 0},
    {"science01.wav", Snd, 0},
    {"tax01.wav", Snd, 0},
    {"people01.wav", Snd, 0},
    {"specialunits01.wav", Snd, 0},
    {"trade01.wav", Snd, 0},
    {"manor01.wav", Snd, 0},
    {"plain01.wav", Snd, 0},
    {"crops01.wav", Snd, 0},
    {"cattle01.wav", Snd, 0},
    {"woodcutter01.wav", Snd, 0},
    {"stonecutter01.wav", Snd, 0},
    {"orecutter01.wav", Snd, 0},
    {"windmill01.wav", Snd, 0},
    {"mob01.wav", Snd, 0},
    {"rain01.wav", Snd, 0},
    {"thunder02.wav", Snd, 0},
    {"siege01.wav", Snd, 0},
    {"battlefield01.wav", Snd, 0},
    {"treasure01.wav", Snd, 0},
    {"dolmen01.wav", Snd, 0},
    {"cross01.wav", Snd, 0},
    {"chapel01.wav", Snd, 0},
    {"gchapel01.wav", Snd, 0},
    {"hut01.wav", Snd, 0},
    {"obelisk01.wav", Snd, 0},
    {"statue01.wav", Snd, 0},
    {"tavern01.wav", Snd, 0},
    {"ruins01.wav", Snd, 0},
    {"cave01.wav", Snd, 0},

    // Mouse pointers.
    {"normal01.ico", Ptr, 0},
    {"loading01.ico", Ptr, 0},
    // The battle program's window: the battle grounds (400 x 300, shown at
    // twice their size), each with its winter look, and the figures of the
    // four sides' formations (14 kinds of 20 x 28, facing right above, left
    // below).
    {"battle_field", Pic, 1},
    {"battle_field_winter", Pic, 1},
    {"battle_village", Pic, 1},
    {"battle_village_winter", Pic, 1},
    {"battle_cave", Pic, 1},
    {"battle_cave_winter", Pic, 1},
    {"battle_ruins", Pic, 1},
    {"battle_ruins_winter", Pic, 1},
    {"battle_keep1", Pic, 1},
    {"battle_keep1_winter", Pic, 1},
    {"battle_keep2", Pic, 1},
    {"battle_keep2_winter", Pic, 1},
    {"battle_bailey1", Pic, 1},
    {"battle_bailey1_winter", Pic, 1},
    {"battle_bailey2", Pic, 1},
    {"battle_bailey2_winter", Pic, 1},
    {"battle_fort1", Pic, 1},
    {"battle_fort1_winter", Pic, 1},
    {"battle_fort2", Pic, 1},
    {"battle_fort2_winter", Pic, 1},
    {"battle_stronghold1", Pic, 1},
    {"battle_stronghold1_winter", Pic, 1},
    {"battle_stronghold2", Pic, 1},
    {"battle_stronghold2_winter", Pic, 1},
    {"battle_castle1", Pic, 1},
    {"battle_castle1_winter", Pic, 1},
    {"battle_castle2", Pic, 1},
    {"battle_castle2_winter", Pic, 1},
    {"BattleFigureRes1", Pic, 14},
    {"BattleFigureRes2", Pic, 14},
    {"BattleFigureRes3", Pic, 14},
    {"BattleFigureRes4", Pic, 14},
};

// The 24 icons of "iconsres", in strip order (also drawn on the status bar
// beside the label of the same name).
inline constexpr std::string_view kIconNames[24] = {
    "CountyNameLbl",    "GoldLbl",    "WoodLbl",      "StoneLbl",   "OreLbl",     "CropsLbl",
    "CattleLbl",        "PeopleLbl",  "HappinessLbl", "HealthLbl",  "SeassonLbl", "TaxLbl",
    "CHireLbl",         "CEmptyLbl",  "CCropsLbl",    "CCattleLbl", "BuildLbl",   "BlacksmithLbl",
    "ProduceWeaponLbl", "ArmyNumLbl", "MoralLbl",     "WalkLbl",    "WarLbl",     "TimeLbl"};

inline bool HasExtension(std::string_view name) {
  return name.find('.') != std::string_view::npos;
}

// The file's path under the game folder; pictures give the high set's path
// (the low set has the same file under graphics/low/).
inline std::string GamePath(const Asset& a) {
  std::string name(a.name);
  switch (a.kind) {
    case Kind::kPicture:
      return "graphics/high/" + name + (HasExtension(name) ? "" : ".png");
    case Kind::kAnim:
      return "anim/" + name;
    case Kind::kSound:
      return "sounds/" + name;
    case Kind::kPointer:
      return "pointers/" + name;
  }
  return name;
}

}  // namespace valorne::assets
