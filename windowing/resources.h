#pragma once

#include "portable/resource_module.h"
#include "portable/win_types.h"

// The module of the running program, set once at start-up.
void setProgramModule(HINSTANCE module);
HINSTANCE programModule();

HICON LoadIconA(HINSTANCE module, LPCSTR name);
// Copies string `id` into the buffer; 0 when there is no such string.
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size);
