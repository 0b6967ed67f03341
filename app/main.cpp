#include <cstdio>

int main() {
  std::puts("Tumbleroad is built; its window is not there yet.");
  return 0;
}
