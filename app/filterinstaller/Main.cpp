#include "app/FilterInstaller.h"

// Started by the program, hidden, when its video decoder is missing; arguments are ignored.
int main() { return InstallMissingFilters(); }
