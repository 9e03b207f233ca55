// Where dialogs open: at the template's place from the owner, centred over the owner (or
// the work area), and always on the work area; modal dialogs that their initialisation
// leaves in place are centred over their owner.
#include <gtest/gtest.h>

#include "platform/base/UiDispatch.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/win/Dialog.h"
#include "platform/win/WinApp.h"
#include "platform/win/detail/DialogPlacement.h"
#include "tests/support/WindowTestSupport.h"

using namespace wintest;
using platform::detail::DialogOpeningRect;
using platform::detail::KeptInside;

namespace {

constexpr UINT kPlaced = 9101, kCentred = 9102, kModal = 9103;
const CSize kDialogSize(300, 163);    // 200 x 100 dialog units at 6 x 13 base units
const CPoint kTemplatePlace(30, 26);  // (20, 16) dialog units

// A screen of 1920 x 1080 whose desktop keeps a 40-pixel panel at the top.
class PanelScreen : public platform::HeadlessPresenter {
public:
  CRect WorkArea() const override { return CRect(0, 40, 1920, 1080); }
};

DialogTemplate PlacementTemplate(UINT id, DWORD style) {
  DialogTemplate t;
  t.id = id;
  t.style = WS_POPUP | WS_CAPTION | DS_SETFONT | style;
  t.rect = CRect(20, 16, 220, 116);
  t.fontPointSize = 8;
  return t;
}

CRect WindowRectOf(HWND hwnd) {
  CRect r;
  GetWindowRect(hwnd, &r);
  return r;
}

// Moves itself during its initialisation when asked to.
class CPlacedDlg : public CDialog {
public:
  explicit CPlacedDlg(UINT id, CWnd* parent = nullptr) : CDialog(id, parent) {}
  CPoint moveTo{-1, -1};
  CRect seenWhileOpen;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    if (moveTo.x >= 0) SetWindowPos(nullptr, moveTo.x, moveTo.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return TRUE;
  }
};

class DialogPlacementTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::SetPresenter(std::make_unique<PanelScreen>());
    RegisterRecorderClasses();
    platform::RegisterDialogTemplate(PlacementTemplate(kPlaced, 0));
    platform::RegisterDialogTemplate(PlacementTemplate(kCentred, DS_CENTER));
    platform::RegisterDialogTemplate(PlacementTemplate(kModal, WS_VISIBLE | DS_MODALFRAME));
  }
  void TearDown() override {
    if (owner) DestroyWindow(owner);
  }
  void MakeOwner(CPoint at, CSize size = CSize(400, 300)) { owner = MakeTop(CRect(at, size)); }
  // The rectangle a modal dialog has while it runs.
  CRect RunModal(CPlacedDlg& dlg) {
    platform::PostToUiThread([&dlg] {
      dlg.seenWhileOpen = WindowRectOf(dlg.m_hWnd);
      dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    return dlg.seenWhileOpen;
  }

  platform::test::WindowHarness harness;
  HWND owner = nullptr;
};

TEST(DialogPlacementRules, KeptInsideMovesBackFromEachEdgeAndShowsTheTopLeftOfWhatIsTooLarge) {
  const CRect area(0, 40, 1920, 1080);
  EXPECT_EQ(KeptInside(CRect(100, 100, 400, 300), area), CRect(100, 100, 400, 300));
  EXPECT_EQ(KeptInside(CRect(1800, 1000, 2100, 1200), area), CRect(1620, 880, 1920, 1080));
  EXPECT_EQ(KeptInside(CRect(-50, 10, 250, 210), area), CRect(0, 40, 300, 240));
  EXPECT_EQ(KeptInside(CRect(500, 500, 2500, 1700), area), CRect(0, 40, 2000, 1240));
}

TEST_F(DialogPlacementTest, TemplatePositionCountsFromTheOwnersClientAreaOrTheScreen) {
  MakeOwner(CPoint(300, 200));
  const DialogTemplate& placed = *platform::FindDialogTemplate(kPlaced);
  EXPECT_EQ(DialogOpeningRect(placed, owner), CRect(CPoint(330, 226), kDialogSize));
  EXPECT_EQ(DialogOpeningRect(placed, nullptr), CRect(CPoint(30, 40), kDialogSize));  // below the panel

  // A modeless dialog of an enabled owner stays where its template puts it.
  CPlacedDlg dlg(kPlaced, CWnd::FromHandle(owner));
  ASSERT_TRUE(dlg.Create(kPlaced));
  EXPECT_EQ(WindowRectOf(dlg.m_hWnd), CRect(CPoint(330, 226), kDialogSize));
  dlg.DestroyWindow();
}

TEST_F(DialogPlacementTest, OpeningNearTheScreensEdgeKeepsTheDialogOnTheWorkArea) {
  MakeOwner(CPoint(1700, 950));
  CPlacedDlg placed(kPlaced, CWnd::FromHandle(owner));
  ASSERT_TRUE(placed.Create(kPlaced));
  EXPECT_EQ(WindowRectOf(placed.m_hWnd), CRect(CPoint(1920 - 300, 1080 - 163), kDialogSize));
  placed.DestroyWindow();

  CPlacedDlg centred(kCentred, CWnd::FromHandle(owner));
  ASSERT_TRUE(centred.Create(kCentred));
  EXPECT_EQ(WindowRectOf(centred.m_hWnd), CRect(CPoint(1920 - 300, 1080 - 163), kDialogSize));
  centred.DestroyWindow();
}

TEST_F(DialogPlacementTest, CentringStyleCentresOverTheOwnerOrTheWorkArea) {
  MakeOwner(CPoint(300, 200));
  CPlacedDlg over(kCentred, CWnd::FromHandle(owner));
  ASSERT_TRUE(over.Create(kCentred));
  EXPECT_EQ(WindowRectOf(over.m_hWnd), CRect(CPoint(500 - 150, 350 - 81), kDialogSize));
  over.DestroyWindow();

  // Hidden owners do not count: the dialog centres on the work area instead.
  ShowWindow(owner, SW_HIDE);
  const CRect onWorkArea(CPoint(960 - 150, 560 - 81), kDialogSize);
  EXPECT_EQ(DialogOpeningRect(*platform::FindDialogTemplate(kCentred), owner), onWorkArea);
  EXPECT_EQ(DialogOpeningRect(*platform::FindDialogTemplate(kCentred), nullptr), onWorkArea);
}

TEST_F(DialogPlacementTest, ModalDialogsOpenCentredOverTheirOwner) {
  MakeOwner(CPoint(300, 200));
  CPlacedDlg withParent(kModal, CWnd::FromHandle(owner));
  EXPECT_EQ(RunModal(withParent), CRect(CPoint(350, 269), kDialogSize));

  // Without a parent the main window owns it; near the screen's corner it stays on screen.
  CWnd mainWnd;
  mainWnd.Attach(MakeTop(CRect(1700, 900, 1900, 1000)));
  CWinAppEx app(TRUE);
  app.InitInstance();
  app.m_pMainWnd = &mainWnd;
  CPlacedDlg parentless(kModal);
  EXPECT_EQ(RunModal(parentless), CRect(CPoint(1620, 950 - 81), kDialogSize));
  app.m_pMainWnd = nullptr;
  mainWnd.DestroyWindow();
}

TEST_F(DialogPlacementTest, ADialogThatPlacesItselfStaysThereAndUnownedOnesCentreOnTheWorkArea) {
  MakeOwner(CPoint(300, 200));
  CPlacedDlg placesItself(kModal, CWnd::FromHandle(owner));
  placesItself.moveTo = CPoint(5, 60);
  EXPECT_EQ(RunModal(placesItself), CRect(CPoint(5, 60), kDialogSize));

  CPlacedDlg unowned(kPlaced);
  ASSERT_TRUE(unowned.Create(kPlaced));
  EXPECT_EQ(WindowRectOf(unowned.m_hWnd), CRect(CPoint(960 - 150, 560 - 81), kDialogSize));
  unowned.DestroyWindow();
}

TEST_F(DialogPlacementTest, CenterWindowCentresOverTheOwnerAndStaysOnTheWorkArea) {
  MakeOwner(CPoint(300, 200));
  CPlacedDlg dlg(kPlaced, CWnd::FromHandle(owner));
  ASSERT_TRUE(dlg.Create(kPlaced));
  dlg.MoveWindow(0, 0, 338, 308);
  dlg.CenterWindow();
  EXPECT_EQ(WindowRectOf(dlg.m_hWnd), CRect(CPoint(500 - 169, 350 - 154), CSize(338, 308)));
  SetWindowPos(owner, nullptr, -200, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  dlg.CenterWindow();
  EXPECT_EQ(WindowRectOf(dlg.m_hWnd), CRect(CPoint(0, 40), CSize(338, 308)));
  dlg.DestroyWindow();
}

}  // namespace
