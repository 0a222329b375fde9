// Anodisation: the window program.
#include "ui/startup.h"

int main(int argc, char** argv) { return anod::RunAnodisation(argc, argv); }
