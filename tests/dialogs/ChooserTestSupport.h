#pragma once
// A main window that carries a language, installed for the length of a test, so that the
// choosers take their texts from the language table.
#include "app/UiLanguage.h"
#include "platform/base/Thread.h"
#include "platform/win/Wnd.h"

namespace chooserstest {

class LanguageMainWindow : public CWnd, public ILangSource {
public:
  explicit LanguageMainWindow(WORD langID) : m_wLangID(langID) {
    m_thread.m_pMainWnd = this;
    AfxSetUiThread(&m_thread);
  }
  ~LanguageMainWindow() override {
    m_thread.m_pMainWnd = nullptr;
    AfxSetUiThread(nullptr);
  }
  WORD GetLangID() const override { return m_wLangID; }

private:
  WORD m_wLangID;
  CWinThread m_thread;
};

}  // namespace chooserstest
