// The campaign's splash, "splash.rx": the title picture for a few seconds or
// until a click or a key, then it ends.
#include "sibling_program.h"
#include "splash_frm.h"

int main(int argc, char** argv) {
  using namespace valorne;
  const SiblingProgram program{
      .name = "splash.rx",
      .first_screen = "SplashFrm",
      .register_screens = [](ScreenRegistry& r) { r.Register<SplashFrm>("SplashFrm"); },
      .prepare = nullptr,
  };
  return RunSibling(program, argc, argv);
}
