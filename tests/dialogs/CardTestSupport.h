#pragma once
// A shown main window that carries a language, for the card dialogs to centre over and
// take their texts from, and card folders under a stand-in drive.
#include <filesystem>
#include <fstream>
#include <string>

#include "app/UiLanguage.h"
#include "platform/base/Thread.h"
#include "platform/win/Wnd.h"
#include "app/LangStringTable.h"
#include "platform/win/WindowStyles.h"
#include "tests/support/WindowTestSupport.h"

namespace cardtest {

class OwnerWindow : public CWnd, public ILangSource {
public:
  explicit OwnerWindow(WORD langID, CRect rect = CRect(CPoint(100, 50), CSize(1022, 682))) : m_wLangID(langID) {
    wintest::RegisterRecorderClasses();
    CreateEx(0, L"Recorder", L"owner", WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
    m_thread.m_pMainWnd = this;
    AfxSetUiThread(&m_thread);
  }
  ~OwnerWindow() override {
    m_thread.m_pMainWnd = nullptr;
    AfxSetUiThread(nullptr);
    DestroyWindow();
  }
  WORD GetLangID() const override { return m_wLangID; }
  WORD m_wLangID;

private:
  CWinThread m_thread;
};

// A file of `bytes` bytes that takes no space (a hole).
inline void SparseFile(const std::string& path, unsigned long long bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  { std::ofstream create(path); }
  std::filesystem::resize_file(path, bytes);
}

}  // namespace cardtest
