// The two information screens of the fields: `CropsFrm` (the grain of the
// crops fields) and `CattleFrm` (the meat of the cattle fields). They only
// show figures and close with `OkAniBtn`.
#pragma once

#include <string>

#include "state/game.h"
#include "text/text_tables.h"

namespace valorne {

struct CropsFigures {
  TextRef FrmTitle{3, 19};   // `FrmTitleLbl`
  TextRef Label1{3, 20};     // `RUNA_Label1`
  std::string Crops;         // `CropsLbl`: "+" the next harvest of all crops fields
  std::string People;        // `PeopleLbl`: the people on crops fields
  std::string Field;         // `FieldLbl`: the gross yield of one field
  std::string Working;       // `WorkingLbl`: people per field
  std::string Birds;         // `BirdsLbl`: grain per field lost to birds
  std::string Crops2;        // `Crops2Lbl`: "+" the net yield of one field
  bool FarmPicture = false;  // the extra picture of the farm, from farming level 2
};
CropsFigures CropsScreenFigures(const Game& game);

struct CattleFigures {
  TextRef FrmTitle{3, 17};  // `FrmTitleLbl`
  TextRef Label1{3, 18};    // `RUNA_Label1`
  std::string Cattle;       // `CattleLbl`: "+" the meat of all cattle fields
  std::string People;       // `PeopleLbl`: the people on cattle fields
  std::string Field;        // `FieldLbl`: the meat of one field by the farming level
  std::string Working;      // `WorkingLbl`: people per field
  std::string Wolfs;        // `WolfsLbl`: meat per field lost to wolves
  std::string Cattle2;      // `Cattle2Lbl`: "+" the net meat of one field
  int ExtraPictures = 0;    // from farming level 3 one picture more, from 6 two
};
CattleFigures CattleScreenFigures(const Game& game);

}  // namespace valorne
