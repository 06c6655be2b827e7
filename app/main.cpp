#include "app/Program.h"

int main(int argc, char** argv) {
  return vuvide::RunProgram(argc, argv);
}
