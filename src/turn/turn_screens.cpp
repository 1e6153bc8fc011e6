#include "turn/turn_screens.h"

#include "turn/end_turn_frm.h"
#include "turn/garry_frm.h"
#include "turn/messages_frm.h"
#include "turn/movie_frm.h"
#include "turn/msg_frm.h"
#include "turn/weather_frm.h"

namespace valorne {

void RegisterTurnScreens(ScreenRegistry& registry) {
  registry.Register<MsgFrm>("MsgFrm");
  registry.Register<MessagesFrm>("MessagesFrm");
  registry.Register<EndTurnFrm>("EndTurnFrm");
  registry.Register<WeatherFrm>("WeatherFrm");
  registry.Register<MovieFrm>("MovieFrm");
  registry.Register<GarryFrm>("GarryFrm");
}

}  // namespace valorne
