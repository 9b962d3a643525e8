#pragma once

#include "portable/win_types.h"

class CWinApp;

// The framework's process-wide entry points.
CWinApp* AfxGetApp();
// The module that holds resource `name` of `type`: the program's own.
HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);
// Lets dialogs created from now on host controls of outside classes.
void AfxEnableControlContainer();
// The framework's entry point: starts the application object.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
