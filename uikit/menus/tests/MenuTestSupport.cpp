#include "MenuTestSupport.h"

#include <gtest/gtest.h>

#include "Forms.h"
#include "ToolBarTestSupport.h"

namespace {

class TMenuEnvironment : public ::testing::Environment {
public:
    // The extra width as the unit's start-up computes it; the desktop's animation is left alone
    // (its start-up and shut-down are tested through a seam and in programs of their own).
    void SetUp() override
    {
        RegisterRurMenuClasses();
        InitMenuExtraWidth();
    }
};

[[maybe_unused]] ::testing::Environment* const MenuEnvironment =
    ::testing::AddGlobalTestEnvironment(new TMenuEnvironment);

} // namespace

TMenuItem* AddItem(TMenuItem* parent, const String& caption, TShortCut shortCut)
{
    auto* item = new TMenuItem(parent->Owner() ? parent->Owner() : parent->GetParentMenu());
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

TMeasure MeasureThroughMenu(TMenuItem* item)
{
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemID = item->Command();
    mis.itemData = item->Command();
    mis.itemWidth = 10;
    mis.itemHeight = 20;
    TMessage message{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis), 0};
    DispatchMenuOwnerDraw(message);
    return {static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight)};
}

std::unique_ptr<TBitmap> PaintItem(TMenuItem* item, int width, int height, TOwnerDrawState state, TColor ground)
{
    auto bitmap = Bitmap32(width, height, ground);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = item->Command();
    dis.itemData = item->Command();
    dis.hDC = bitmap->Canvas()->Handle();
    dis.rcItem = RECT{0, 0, width, height};
    static constexpr std::pair<TOwnerDrawStateItem, UINT> Flags[] = {
        {odSelected, ODS_SELECTED}, {odDisabled, ODS_DISABLED}, {odDefault, ODS_DEFAULT}, {odHotLight, ODS_HOTLIGHT}};
    for (auto [flag, ods] : Flags)
        if (state.Contains(flag))
            dis.itemState |= ods;
    TMessage message{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis), 0};
    DispatchMenuOwnerDraw(message);
    return bitmap;
}

std::unique_ptr<TImageList> SolidImages(int width, int height, std::initializer_list<TColor> colors)
{
    auto images = std::make_unique<TImageList>(nullptr);
    images->SetWidth(width);
    images->SetHeight(height);
    for (TColor color : colors) {
        auto picture = Bitmap32(width, height, color);
        images->Add(picture.get(), nullptr);
    }
    return images;
}

int InkCount(TBitmap* bitmap, const TRect& rect, std::initializer_list<TColor> backgrounds)
{
    auto distant = [](TColor a, TColor b) {
        const int d = std::abs(int(a & 0xFF) - int(b & 0xFF)) + std::abs(int(a >> 8 & 0xFF) - int(b >> 8 & 0xFF)) +
                      std::abs(int(a >> 16 & 0xFF) - int(b >> 16 & 0xFF));
        return d > 96;
    };
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const TColor c = PixelOf(bitmap, x, y);
            bool ink = true;
            for (TColor b : backgrounds)
                ink = ink && distant(c, b);
            count += ink;
        }
    return count;
}
