#pragma once
// A ribbon pager as a toolbar styler sees it, recording what the styler tells it: the change codes,
// the glass and scenic switches, the tones (with the application colours as they were during the
// call), and the calls that clear tones and refresh the quick-access toolbar. Given tones, it
// derives a page colour from the pager tones' background brush, so a copy-back can be told apart.
#include <memory>
#include <vector>

#include "Controls.h"
#include "RurToolBar_Styler.h"

class TFakePager : public TCustomControl, public IToolBarStylerPager {
public:
    explicit TFakePager(TComponent* owner) : TCustomControl(owner)
    {
        FAppearances = {FPage.get(), FTab.get(), FGroup.get(), FCaption.get(), FGlow.get(), FPagerCaption.get(),
                        FContainer.get()};
    }
    ~TFakePager() override { SetToolBarStyler(nullptr); }

    TCustomRurToolBarStyler* ToolBarStyler() const override { return FStyler; }
    void SetToolBarStyler(TCustomRurToolBarStyler* value) override
    {
        if (FStyler) {
            FStyler->RemoveControl(this);
            FStyler->RemoveFreeNotification(this);
        }
        FStyler = value;
        if (value) {
            value->AddControl(this);
            value->FreeNotification(this);
        }
    }
    void StylerChanged(int code) override { Codes.push_back(code); }
    void SetStyleLink(bool glass, bool scenic) override { Links.push_back({glass, scenic}); }
    void SetOfficeTones(const TOfficeTones& tones, TGroupStyle groupStyle) override
    {
        Tones = tones;
        GroupStyle = groupStyle;
        AppButtonColorDuringCall = tones.App->AppButtonColor();
        ++ToneCalls;
        FPage->SetColor(tones.Pager.Background.BrushColor);
        FTab->SetTextColorHot(tones.Tab.Hover.TextColor);
        FGlow->SetColorHot(tones.Buttons.Hover.BrushColor);
    }
    const TOfficeToneAppearances* OfficeToneAppearances() const override { return &FAppearances; }
    void ClearOfficeTones() override { ++Clears; }
    void UpdateQAT() override { ++QATUpdates; }

    struct Link {
        bool Glass, Scenic;
        bool operator==(const Link&) const = default;
    };
    std::vector<int> Codes;
    std::vector<Link> Links;
    TOfficeTones Tones;
    TGroupStyle GroupStyle = gsClassic;
    TColor AppButtonColorDuringCall = clNone;
    int ToneCalls = 0, Clears = 0, QATUpdates = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TCustomControl::Notification(component, operation);
        if (operation == opRemove && component == FStyler)
            FStyler = nullptr;
    }

private:
    TCustomRurToolBarStyler* FStyler = nullptr;
    std::unique_ptr<TVistaPageBackground> FPage = std::make_unique<TVistaPageBackground>();
    std::unique_ptr<TTabAppearance> FTab = std::make_unique<TTabAppearance>();
    std::unique_ptr<TGroupAppearance> FGroup = std::make_unique<TGroupAppearance>();
    std::unique_ptr<TCaptionAppearance> FCaption = std::make_unique<TCaptionAppearance>();
    std::unique_ptr<TGlowButtonAppearance> FGlow = std::make_unique<TGlowButtonAppearance>();
    std::unique_ptr<TVistaTextBackground> FPagerCaption = std::make_unique<TVistaTextBackground>();
    std::unique_ptr<TContainerAppearance> FContainer = std::make_unique<TContainerAppearance>();
    TOfficeToneAppearances FAppearances;
};
