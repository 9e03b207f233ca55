#include "program/TavrenPlayerApp.h"

// Arguments are ignored: every start opens one main window.
int main() { return theApp.RunApplication(); }
