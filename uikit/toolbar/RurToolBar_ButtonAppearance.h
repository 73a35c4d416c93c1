#pragma once
// The colour set of a toolbar button: fill colours with gradient end colours, borders, caption text
// colours and gradient directions for the normal, hot, down and checked looks, and the caption
// font. Every toolbar button owns one; the toolbar styler owns one that buttons following their
// styler paint with. clNone leaves that part unpainted.
#include <memory>

#include "Graphics.h"
#include "RurToolBar_AppearanceBase.h"
#include "RurToolBar_Types.h"

class TButtonAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TButtonAppearance, TNotifyPersistent)
public:
    TButtonAppearance();
    // From another button appearance: the colours and GradientDirection, silently (neither the
    // caption font nor the hot, down and checked directions); any other source is ignored.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, Color)
    RUR_TB_NOTIFYING(TColor, ColorTo)
    RUR_TB_NOTIFYING(TColor, ColorChecked)
    RUR_TB_NOTIFYING(TColor, ColorCheckedTo)
    RUR_TB_NOTIFYING(TColor, ColorDown)
    RUR_TB_NOTIFYING(TColor, ColorDownTo)
    RUR_TB_NOTIFYING(TColor, ColorHot)
    RUR_TB_NOTIFYING(TColor, ColorHotTo)
    RUR_TB_NOTIFYING(TColor, CaptionTextColor)
    RUR_TB_NOTIFYING(TColor, CaptionTextColorHot)
    RUR_TB_NOTIFYING(TColor, CaptionTextColorDown)
    RUR_TB_NOTIFYING(TColor, CaptionTextColorChecked)
    RUR_TB_NOTIFYING(TGradientDirection, GradientDirection)
    // These three change what the next paint shows without a notification.
    RUR_TB_STORED(TGradientDirection, GradientDirectionHot)
    RUR_TB_STORED(TGradientDirection, GradientDirectionDown)
    RUR_TB_STORED(TGradientDirection, GradientDirectionChecked)
    RUR_TB_NOTIFYING(TColor, BorderColor)
    RUR_TB_NOTIFYING(TColor, BorderDownColor)
    RUR_TB_NOTIFYING(TColor, BorderHotColor)
    RUR_TB_NOTIFYING(TColor, BorderCheckedColor)
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    // Assigns and always notifies.
    void SetCaptionFont(TFont* value);
    // Turning it on puts the caption font back on the system's interface font; no notification.
    bool SystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);

private:
    TColor FColorHot = 0xD2BDB6, FColorTo = clNone, FColor = clNone, FColorHotTo = clNone, FColorDownTo = clNone,
           FColorDown = 0xB59285, FBorderDownColor = 0x6A240A, FBorderColor = clNone, FBorderHotColor = 0x6A240A;
    TGradientDirection FGradientDirection = gdVertical;
    TColor FColorChecked = 0xD8D5D4, FColorCheckedTo = clNone, FCaptionTextColorChecked = clBlack,
           FCaptionTextColor = clBlack, FCaptionTextColorHot = clBlack, FCaptionTextColorDown = clBlack,
           FBorderCheckedColor = 0x6A240A;
    std::unique_ptr<TFont> FCaptionFont;
    TGradientDirection FGradientDirectionDown = gdVertical, FGradientDirectionHot = gdVertical,
                       FGradientDirectionChecked = gdVertical;
    bool FSystemFont = true;
};
