#pragma once
// The drive chooser: lists the removable drives as "<root>[<label>]" and hands the entry
// the user confirmed back in m_strDrive. Closes itself with IDCANCEL when there is no
// removable drive. A long root (a mount point) loses its middle in the box, never the
// label; the open list is as wide as the widest entry.
#include "platform/base/String.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Dialog.h"
#include "platform/win/Static.h"

class CSelectDriveDlg : public CDialog {
  DECLARE_DYNAMIC(CSelectDriveDlg)
public:
  CSelectDriveDlg();
  ~CSelectDriveDlg() override;

  CComboBox m_comboDrive;
  CString m_strDrive;
  CStatic m_staticDrive;
  CStatic m_staticSelect;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnBnClickedOk();

private:
  void SetTexts();
  void AddRemovableDrives();
  void FitDroppedWidth();
  DECLARE_MESSAGE_MAP()
};

// The drive root at the start of a chooser entry: everything up to and including the
// '/' that ends the root, which is the last '/' directly before a '['. Empty when the
// entry has none.
CString DriveRootOfEntry(const CString& entry);
