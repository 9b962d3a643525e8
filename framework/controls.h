#pragma once

#include "framework/cwnd.h"

// The program objects for the standard controls. They add nothing to CWnd:
// the program drives them through ShowWindow, the text calls and SendMessageA.
class CButton : public CWnd {};
class CEdit : public CWnd {};
class CListBox : public CWnd {};
class CStatic : public CWnd {};
