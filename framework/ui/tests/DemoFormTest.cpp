// A demo form with the tool's kinds of controls, built from its form resource: right-to-left
// layout with Persian text, exit checks bound by name, a drop-down list, a marquee progress bar.
// With TAVIN_DEMO_HOLD_MS set, the form stays on screen that long (for a screenshot).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "support/GuiTestSupport.h"

namespace {

class TDemoForm : public TForm {
    TAVIN_PUBLISHED_CLASS(TDemoForm, TForm)
public:
    using TForm::TForm;

    void FormShow(TObject*)
    {
        auto* combo = static_cast<TComboBox*>(FindComponent(u"cmb_personType"));
        for (const char16_t* text : {u"شخص حقیقی مستقل", u"شخص حقیقی وابسته به غیر دولت", u"شخص حقیقی وابسته به دولت",
                                     u"دفاتر ثبت نام وابسته به دولت", u"دفاتر ثبت نام وابسته به غیر دولت",
                                     u"شخص حقوقی وابسته به غیر دولت"})
            combo->Items()->Add(text);
        combo->SetItemIndex(5);
    }
    void control_validation(TObject* sender)
    {
        auto* edit = static_cast<TEdit*>(sender);
        if (edit->Enabled() && Trim(edit->Text()).empty()) {
            ++Rejections;
            edit->SetFocus();
            throw EAbort(u"");
        }
    }
    void btn_generateClick(TObject*) { ++Generated; }

    int Rejections = 0;
    int Generated = 0;
};

TAVIN_PUBLISHED(TDemoForm)
{
    TAVIN_METHOD(FormShow);
    TAVIN_METHOD(control_validation);
    TAVIN_METHOD(btn_generateClick);
}

const char* const DemoText = R"(object MainForm: TDemoForm
  BorderStyle = bsNone
  BiDiMode = bdRightToLeft
  Caption = 'گروه نرم افزاری تاوین - ابزار تسهیل صدور CSR'
  ClientWidth = 952
  ClientHeight = 452
  Color = 16777215
  Font.Name = 'Tahoma'
  Font.Height = -12
  Position = poDesktopCenter
  OnShow = FormShow
  object Panel1: TPanel
    Align = alRight
    Width = 354
    BevelOuter = bvNone
    Color = 919909
    object Image1: TImage
      Left = 16
      Top = 19
      Width = 326
      Height = 137
      Center = True
      Proportional = True
    end
    object Label1: TLabel
      Left = 77
      Top = 166
      Width = 199
      Caption = 'سرویس آفلاین صدور امضاء دیجیتال'
      Font.Color = 16777215
      Font.Height = -12
      Font.Name = 'Tahoma'
      Font.Style = [fsBold]
    end
    object Memo1: TMemo
      Left = 16
      Top = 246
      Width = 326
      Height = 129
      BorderStyle = bsNone
      Color = 919909
      Font.Color = 16777215
      Font.Height = -12
      Font.Name = 'Tahoma'
      ReadOnly = True
      Lines.Strings = ('نکات مهم:' '' 'پست الکترونیکی الزامی است.' '' 'شناسه/کد ملی الزامی است.')
    end
  end
  object Panel2: TPanel
    Align = alClient
    AlignWithMargins = True
    BevelOuter = bvNone
    Color = 16777215
    object Label3: TLabel
      Left = 518
      Top = 40
      Width = 60
      Caption = 'نوع گواهی:'
    end
    object cmb_personType: TComboBox
      Left = 8
      Top = 39
      Width = 503
      Style = csDropDownList
    end
    object Label4: TLabel
      Left = 85
      Top = 76
      Width = 190
      Caption = 'نام عمومی: (به انگلیسی، بدون فاصله)'
    end
    object edt_commonName: TEdit
      Left = 8
      Top = 97
      Width = 273
      BiDiMode = bdLeftToRight
      Tag = 3064
      OnExit = control_validation
    end
    object Label8: TLabel
      Left = 490
      Top = 77
      Width = 80
      Caption = 'دولتی/غیردولتی:'
    end
    object edt_org: TEdit
      Left = 305
      Top = 97
      Width = 270
      Enabled = False
      ReadOnly = True
      Text = 'Non-Governmental'
    end
    object btn_generate: TButton
      Left = 305
      Top = 380
      Width = 270
      Height = 25
      Caption = 'تولید CSR'
      OnClick = btn_generateClick
    end
    object btn_close: TButton
      Left = 8
      Top = 380
      Width = 129
      Height = 25
      Caption = 'خروج'
    end
    object pnl_loading: TPanel
      Left = 8
      Top = 300
      Width = 577
      Height = 60
      BevelOuter = bvNone
      Caption = 'لطفا منتظر بمانید'
      object ProgressBar1: TProgressBar
        Left = 64
        Top = 40
        Width = 439
        Height = 17
        Style = pbstMarquee
        Smooth = True
      end
    end
  end
end
)";

TEST(DemoForm, BuildsFromItsResourceAndBehavesRightToLeft)
{
    RegisterClasses({TDemoForm::StaticClass()});
    SetFormTexts({{u"TDemoForm", DemoText}});
    std::unique_ptr<TDemoForm> form(CreateForm<TDemoForm>(nullptr));
    auto* panel1 = static_cast<TPanel*>(form->FindComponent(u"Panel1"));
    auto* commonName = static_cast<TEdit*>(form->FindComponent(u"edt_commonName"));
    auto* org = static_cast<TEdit*>(form->FindComponent(u"edt_org"));
    auto* generate = static_cast<TButton*>(form->FindComponent(u"btn_generate"));
    auto* combo = static_cast<TComboBox*>(form->FindComponent(u"cmb_personType"));
    auto* memo = static_cast<TMemo*>(form->FindComponent(u"Memo1"));
    auto* progress = static_cast<TProgressBar*>(form->FindComponent(u"ProgressBar1"));
    auto* image = static_cast<TImage*>(form->FindComponent(u"Image1"));

    TBitmap logo;
    logo.SetSize(200, 48);
    logo.Canvas()->Brush()->SetColor(clWhite);
    logo.Canvas()->FillRect(Rect(0, 0, 200, 48));
    image->Picture()->SetGraphic(&logo);

    ASSERT_TRUE(ShowActive(form.get()));
    EXPECT_EQ(panel1->BoundsRect(), Rect(952 - 354, 0, 952, 452));
    EXPECT_EQ(combo->Items()->Count(), 6);
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(GetWindowLongW(combo->Handle(), GWL_STYLE) & CBS_DROPDOWNLIST, static_cast<LONG>(CBS_DROPDOWNLIST));
    EXPECT_EQ(memo->Lines()->Count(), 5);
    EXPECT_EQ(memo->Lines()->Strings(4), u"شناسه/کد ملی الزامی است.");
    EXPECT_TRUE(GetWindowLongW(progress->Handle(), GWL_STYLE) & PBS_MARQUEE);
    EXPECT_TRUE(GetWindowLongW(org->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_FALSE(GetWindowLongW(commonName->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_FALSE(org->Enabled());
    EXPECT_EQ(commonName->Tag(), 3064);

    // The empty common name refuses to be left, even for the generate button.
    commonName->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == commonName; }));
    ClickAt(generate);
    EXPECT_EQ(FocusedControl(), commonName);
    EXPECT_EQ(form->Rejections, 1);
    EXPECT_EQ(form->Generated, 0);
    commonName->SetText(u"tavin");
    ClickAt(generate);
    EXPECT_EQ(form->Generated, 1);

    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
}

} // namespace
