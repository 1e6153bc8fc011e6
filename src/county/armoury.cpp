#include "county/armoury.h"

namespace valorne {

long ArmouryStock(const GameState& s, ArmouryRow row) {
  switch (row) {
    case ArmouryRow::Bows:
      return s.Bows;
    case ArmouryRow::LongBows:
      return s.LongBows;
    case ArmouryRow::Warlords:
      return s.WarlordsAvailable;
    case ArmouryRow::Engineers:
      return s.EngineersAvailable;
    case ArmouryRow::Clubs:
      return s.Clubs;
    case ArmouryRow::Swords:
      return s.Swords;
    case ArmouryRow::Helebards:
      return s.Helebards;
    case ArmouryRow::TwoHandSwords:
      return s.TwoHandSwords;
    case ArmouryRow::Maces:
      return s.Maces;
    case ArmouryRow::Pikes:
      return s.Pikes;
    case ArmouryRow::Crosses:
      return s.Crosses;
    case ArmouryRow::ChainMails:
      return s.ChainMails;
    case ArmouryRow::PlateArmours:
      return s.PlateArmours;
    case ArmouryRow::Shields:
      return s.Shields;
  }
  return 0;
}

namespace {

Integer* IntegerStock(GameState& s, ArmouryRow row) {
  switch (row) {
    case ArmouryRow::Bows:
      return &s.Bows;
    case ArmouryRow::LongBows:
      return &s.LongBows;
    case ArmouryRow::Engineers:
      return &s.EngineersAvailable;
    case ArmouryRow::Clubs:
      return &s.Clubs;
    case ArmouryRow::Swords:
      return &s.Swords;
    case ArmouryRow::Helebards:
      return &s.Helebards;
    case ArmouryRow::TwoHandSwords:
      return &s.TwoHandSwords;
    case ArmouryRow::Maces:
      return &s.Maces;
    case ArmouryRow::Pikes:
      return &s.Pikes;
    case ArmouryRow::Crosses:
      return &s.Crosses;
    case ArmouryRow::ChainMails:
      return &s.ChainMails;
    case ArmouryRow::PlateArmours:
      return &s.PlateArmours;
    case ArmouryRow::Shields:
      return &s.Shields;
    case ArmouryRow::Warlords:
      return nullptr;
  }
  return nullptr;
}

}  // namespace

void AddToArmoury(GameState& s, ArmouryRow row, long delta) {
  if (row == ArmouryRow::Warlords) {
    s.WarlordsAvailable = WrapByte(static_cast<long>(s.WarlordsAvailable) + delta);
  } else if (Integer* stock = IntegerStock(s, row)) {
    *stock = WrapInteger(static_cast<long>(*stock) + delta);
  }
}

std::array<long, kArmouryRows> ArmouryStocks(const GameState& s) {
  std::array<long, kArmouryRows> stocks{};
  for (int r = 0; r < kArmouryRows; ++r) {
    stocks[static_cast<std::size_t>(r)] = ArmouryStock(s, static_cast<ArmouryRow>(r));
  }
  return stocks;
}

void SetArmouryStocks(GameState& s, const std::array<long, kArmouryRows>& stocks) {
  for (int r = 0; r < kArmouryRows; ++r) {
    const auto row = static_cast<ArmouryRow>(r);
    AddToArmoury(s, row, stocks[static_cast<std::size_t>(r)] - ArmouryStock(s, row));
  }
}

ArmouryFigures ArmouryScreenFigures(const GameState& s) {
  auto text = [](long v) { return std::to_string(v); };
  return {text(s.Bows),          text(s.Clubs),        text(s.Swords),  text(s.Helebards),
          text(s.TwoHandSwords), text(s.Maces),        text(s.Pikes),   text(s.Crosses),
          text(s.ChainMails),    text(s.PlateArmours), text(s.Shields), text(s.WoodStock),
          text(s.OreStock)};
}

}  // namespace valorne
