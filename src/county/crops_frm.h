// The crops screen: what the crops fields bring at the next harvest, the
// people on them and the grain one field yields and loses to the birds.
#pragma once

#include "screens/toolkit/form.h"

namespace valorne {

class CropsFrm : public Form {
 public:
  CropsFrm(Game& game, Ui& ui);

 private:
  void Form_Load();
};

}  // namespace valorne
