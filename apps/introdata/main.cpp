// The next level's intro, "introdata.rx". The next level is not part of
// Valorne: the intro is the closing page of this county, telling that the
// level is won and where the campaign goes on, with the way back to the
// title menu.
#include "intro_frm.h"
#include "sibling_program.h"

int main(int argc, char** argv) {
  using namespace valorne;
  const SiblingProgram program{
      .name = "introdata.rx",
      .first_screen = "IntroFrm",
      .register_screens = [](ScreenRegistry& r) { r.Register<IntroFrm>("IntroFrm"); },
      .prepare = nullptr,
  };
  return RunSibling(program, argc, argv);
}
