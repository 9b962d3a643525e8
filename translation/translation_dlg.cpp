#include "translation/translation_dlg.h"

#include "res/resource.h"

CTranslationDlg::CTranslationDlg(CWnd* parent) : CDialog(IDD_TRANSLATION, parent) {}
