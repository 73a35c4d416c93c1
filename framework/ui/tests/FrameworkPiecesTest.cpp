// Small framework services: file versions, help requests, the control at a screen point, the
// group box's client area, the group box, scroll box and masked edit read from a form resource.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include <commctrl.h>

#include "ComCtrls.h"
#include "Forms.h"
#include "Mask.h"
#include "StdCtrls.h"
#include "support/GuiTestSupport.h"

TEST(FrameworkPieces, FileVersionOfASystemLibraryAndOfNoFile)
{
    const Cardinal version = GetFileVersion(u"comctl32.dll");
    ASSERT_NE(version, 0xFFFFFFFFu);
    EXPECT_GE(version >> 16, 5u);
    EXPECT_EQ(GetFileVersion(u"no-such-library.dll"), 0xFFFFFFFFu);
}

TEST(FrameworkPieces, HelpRequestsAreRecordedNotShown)
{
    EXPECT_FALSE(Application->HelpContext(1234));
    EXPECT_EQ(Application->LastHelpContext(), 1234);
}

TEST(FrameworkPieces, DragTargetIsTheWindowlessChildOrTheWindowUnderThePoint)
{
    auto* form = new TForm(Application);
    form->SetBounds(60, 60, 300, 200);
    auto* box = new TGroupBox(form);
    box->SetParent(form);
    box->SetCaption(u"Group");
    box->SetBounds(10, 10, 200, 150);
    auto* label = new TLabel(form);
    label->SetParent(box);
    label->SetAutoSize(false);
    label->SetBounds(20, 40, 80, 20);
    auto* disabled = new TLabel(form);
    disabled->SetParent(box);
    disabled->SetAutoSize(false);
    disabled->SetBounds(20, 80, 80, 20);
    disabled->SetEnabled(false);
    ASSERT_TRUE(ShowActive(form));

    const struct {
        TPoint at; // in the box's client coordinates
        bool allowDisabled;
        TControl* expected;
    } cases[] = {
        {Point(30, 45), false, label},
        {Point(150, 45), false, box},
        {Point(30, 85), false, box},
        {Point(30, 85), true, disabled},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindDragTarget(box->ClientToScreen(c.at), c.allowDisabled), c.expected)
            << c.at.X << "," << c.at.Y << " allowDisabled " << c.allowDisabled;
    EXPECT_EQ(FindDragTarget(form->ClientToScreen(Point(250, 100)), false), form);
    delete form;
}

TEST(FrameworkPieces, AWindowOfAnotherProcessIsNoControlOfOurs)
{
    // The desktop window belongs to another process; marked the way the framework marks its own
    // windows, it still must not be taken for one of ours (its mark is another process's address).
    const HWND desktop = GetDesktopWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(desktop, &process);
    if (process == GetCurrentProcessId() || !SetPropW(desktop, L"TavinControl", reinterpret_cast<HANDLE>(0x670000007E)))
        GTEST_SKIP() << "no foreign window to mark";
    EXPECT_EQ(TWinControl::FindControl(desktop), nullptr);
    POINT corner{0, 0};
    if (WindowFromPoint(corner) == desktop) {
        EXPECT_EQ(FindDragTarget(Point(0, 0), true), nullptr);
    }
    RemovePropW(desktop, L"TavinControl");
}

TEST(FrameworkPieces, GroupBoxAlignsChildrenBelowItsCaption)
{
    auto* form = new TForm(Application);
    auto* box = new TGroupBox(form);
    box->SetParent(form);
    box->SetCaption(u"\u06AF\u0631\u0648\u0647");
    box->SetBounds(0, 0, 200, 120);
    auto* panel = new TLabel(form);
    panel->SetParent(box);
    panel->SetAlign(alClient);
    EXPECT_GT(panel->Top(), 8); // the caption's line stays free
    EXPECT_LT(panel->Top(), 40);
    EXPECT_GT(panel->Left(), 0);
    EXPECT_LT(panel->Left() + panel->Width(), 200);
    EXPECT_LT(panel->Top() + panel->Height(), 120);
    delete form;
}

TEST(FrameworkPieces, ScrollBoxRangesFollowItsChildrenAndScrollThem)
{
    auto* form = new TForm(Application);
    form->SetBounds(60, 60, 400, 300);
    auto* box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(0, 0, 200, 100);
    auto* distant = new TButton(form);
    distant->SetParent(box);
    distant->SetBounds(10, 300, 50, 20);
    ASSERT_TRUE(ShowActive(form));

    TControlScrollBar* vert = box->VertScrollBar();
    EXPECT_EQ(vert->Range(), 320);
    EXPECT_TRUE(vert->IsScrollBarVisible());
    EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
    const int maxPosition = 320 - box->ClientRect().Height();

    const struct {
        WPARAM request;
        int position;
    } steps[] = {
        {SB_LINEDOWN, 8}, {SB_LINEDOWN, 16}, {SB_LINEUP, 8}, {SB_BOTTOM, maxPosition}, {SB_PAGEDOWN, maxPosition},
        {SB_TOP, 0},
    };
    for (const auto& step : steps) {
        SendMessageW(box->Handle(), WM_VSCROLL, step.request, 0);
        EXPECT_EQ(vert->Position(), step.position) << "request " << step.request;
        EXPECT_EQ(distant->Top(), 300 - step.position);
    }
    vert->SetPosition(10000); // kept within the range
    EXPECT_EQ(vert->Position(), maxPosition);
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), maxPosition);
    EXPECT_EQ(GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    delete form;
}

TEST(FrameworkPieces, DateTimePickerShowsItsValueAndTakesTheUsersChoice)
{
    auto* form = new TForm(Application);
    auto* picker = new TDateTimePicker(form);
    picker->SetParent(form);
    const TDateTime value = EncodeDate(2024, 3, 20) + EncodeTime(13, 45, 30, 600);
    picker->SetDateTime(value);
    EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 3, 20) + EncodeTime(13, 45, 30, 0)); // whole seconds
    EXPECT_EQ(picker->Date(), EncodeDate(2024, 3, 20));
    picker->SetTime(EncodeTime(8, 0, 0, 0));
    EXPECT_EQ(picker->DateTime(), EncodeDate(2024, 3, 20) + EncodeTime(8, 0, 0, 0));

    SYSTEMTIME shown{};
    EXPECT_EQ(SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
    EXPECT_EQ(shown.wYear, 2024);
    EXPECT_EQ(shown.wDay, 20);
    EXPECT_EQ(shown.wHour, 8);

    picker->SetKind(dtkTime);
    EXPECT_NE(GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & DTS_TIMEFORMAT, 0);
    EXPECT_EQ(SendMessageW(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
    EXPECT_EQ(shown.wHour, 8); // kept across the new window

    // The user's choice arrives as the control's notification to its parent.
    int changes = 0;
    picker->SetOnChange([&](TObject*) { ++changes; });
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = picker->Handle();
    change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(picker->Handle()));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = shown;
    change.st.wYear = 1999;
    SendMessageW(form->Handle(), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picker->Date(), EncodeDate(1999, 3, 20));
    delete form;
}

class TPiecesForm : public TForm {
    TAVIN_CLASS(TPiecesForm, TForm)
public:
    using TForm::TForm;
};

// The properties the group box and the scroll box inherit are read like their own.
TEST(FrameworkPieces, GroupBoxScrollBoxAndMaskedEditFromAFormResource)
{
    MaskUnitInitialize();
    SetFormTexts({{u"TPiecesForm", R"(object PiecesForm: TPiecesForm
  ClientWidth = 300
  ClientHeight = 200
  object Box: TGroupBox
    Width = 180
    Align = alLeft
    Caption = 'Group'
    Color = 255
    Font.Style = [fsBold]
    Hint = 'box hint'
    ShowHint = True
    TabOrder = 1
    Enabled = False
    Padding.Left = 4
    object Masked: TMaskEdit
      Left = 10
      Top = 30
      Width = 100
      Height = 21
      EditMask = '000-000;0;_'
      Text = '123456'
    end
  end
  object Scroller: TScrollBox
    Align = alClient
    Color = 65280
    TabOrder = 0
    BiDiMode = bdRightToLeft
    HorzScrollBar.Increment = 16
    Constraints.MinWidth = 50
  end
end
)"}});
    std::unique_ptr<TPiecesForm> form(CreateForm<TPiecesForm>(nullptr));
    auto* box = static_cast<TGroupBox*>(form->FindComponent(u"Box"));
    EXPECT_EQ(box->Align(), alLeft);
    EXPECT_EQ(box->Color(), static_cast<TColor>(255));
    EXPECT_TRUE(box->Font()->Style().Contains(fsBold));
    EXPECT_EQ(box->Hint(), u"box hint");
    EXPECT_TRUE(box->ShowHint());
    EXPECT_EQ(box->TabOrder(), 1);
    EXPECT_FALSE(box->Enabled());
    EXPECT_EQ(box->Padding()->Left(), 4);
    auto* masked = static_cast<TMaskEdit*>(form->FindComponent(u"Masked"));
    EXPECT_EQ(masked->Parent(), box);
    EXPECT_EQ(masked->EditText(), u"123-456");
    EXPECT_EQ(masked->Text(), u"123456");
    auto* scroller = static_cast<TScrollBox*>(form->FindComponent(u"Scroller"));
    EXPECT_EQ(scroller->Align(), alClient);
    EXPECT_EQ(scroller->Color(), static_cast<TColor>(65280));
    EXPECT_EQ(scroller->TabOrder(), 0);
    EXPECT_EQ(scroller->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(scroller->HorzScrollBar()->Increment(), 16);
    EXPECT_EQ(scroller->Constraints()->MinWidth(), 50);
}
