#pragma once

// The class library, in one include, for the application's sources.

#include "framework/afx_globals.h"
#include "framework/cdialog.h"
#include "framework/cmenu.h"
#include "framework/controls.h"
#include "framework/cpaint_dc.h"
#include "framework/cstring.h"
#include "framework/cwin_app.h"
#include "framework/cwnd.h"
#include "framework/data_exchange.h"
#include "framework/message_map.h"
#include "framework/platform.h"
