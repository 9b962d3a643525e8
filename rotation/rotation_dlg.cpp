#include "rotation/rotation_dlg.h"

#include "res/resource.h"

CRotationDlg::CRotationDlg(CWnd* parent) : CDialog(IDD_ROTATION, parent) {}
