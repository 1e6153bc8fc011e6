#include <cstdio>

int main() {
  std::puts("level9");
  return 0;
}
