#include "gui/window_program.h"

int main(int argc, char* argv[]) { return morvane::gui::RunWindowProgram(argc, argv); }
