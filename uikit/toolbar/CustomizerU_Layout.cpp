// The customizer's layout file: the designed toolbar, the user's layout, and rebuilding the
// toolbar from either.
#include <algorithm>

#include "CustomizerU.h"
#include "IniFiles.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"
#include "TypInfo.h"

namespace {

String EntryKey(int index) { return u"Name" + IntToStr(index); }

String ClassTagOf(const TObject* item)
{
    if (dynamic_cast<const TRurToolBarButton*>(item))
        return ButtonClassTag;
    if (dynamic_cast<const TRurToolBarSeparator*>(item))
        return SeparatorClassTag;
    if (dynamic_cast<const TRurCustomGlowButton*>(item))
        return GlowButtonClassTag;
    return OtherClassTag;
}

bool IsButtonItem(const TObject* item)
{
    return dynamic_cast<const TRurToolBarButton*>(item) || dynamic_cast<const TRurCustomGlowButton*>(item);
}

int ImageIndexOf(const TControl* item)
{
    if (auto* button = dynamic_cast<const TRurToolBarButton*>(item))
        return button->ImageIndex();
    return static_cast<const TRurCustomGlowButton*>(item)->ImageIndex();
}

bool ShowCaptionOf(const TControl* item)
{
    if (auto* button = dynamic_cast<const TRurToolBarButton*>(item))
        return button->ShowCaption();
    return static_cast<const TRurCustomGlowButton*>(item)->ShowCaption();
}

// Which property keys a button entry carries.
struct TPropertyKeys {
    bool Glyph = true, ForceImageIndex = true, Visible = true, ShowCaption = true, Caption = true, Hint = true;
};

TPropertyKeys AllowedKeys(const TButtonProperties& p)
{
    return {p.Glyph(), p.Glyph(), p.Visible(), p.ShowCaption(), p.Caption(), p.Hint()};
}

// Reads the entry's property keys into a placed button, each defaulting to the current value.
void ApplyButtonKeys(TControl* control, TCustomIniFile& file, const String& section, const String& key,
                     TPropertyKeys keys)
{
    auto* button = dynamic_cast<TRurToolBarButton*>(control);
    auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
    if (!button && !glow)
        return;
    if (keys.Glyph) {
        const int index = file.ReadInteger(section, key + u".ImageIndex", ImageIndexOf(control));
        if (button) {
            button->SetImageIndex(index);
            if (keys.ForceImageIndex)
                button->SetForceImageIndex(
                    file.ReadInteger(section, key + u".ForceImageIndex", button->ForceImageIndex()) != 0);
        } else if (glow->CustomizerCreated()) {
            // A designed glow button keeps its own icon.
            glow->SetImageIndex(index);
        }
    }
    if (keys.Visible)
        control->SetVisible(file.ReadInteger(section, key + u".Visible", control->Visible()) != 0);
    if (keys.ShowCaption) {
        const bool show = file.ReadInteger(section, key + u".ShowCaption", ShowCaptionOf(control)) == 1;
        if (button)
            button->SetShowCaption(show);
        else
            glow->SetShowCaption(show);
    }
    if (keys.Caption)
        control->SetCaption(file.ReadString(section, key + u".Caption", control->Caption()));
    if (keys.Hint)
        control->SetHint(file.ReadString(section, key + u".Hint", control->Hint()));
}

void WriteHead(TCustomIniFile& file, const String& section, const TCustomizedLayout& head)
{
    if (head.HasCaption)
        file.WriteString(section, u"ATBCaption", head.Caption);
    if (head.HasGlyphPosition)
        file.WriteInteger(section, u"GlyphPosition", head.GlyphPosition);
    if (head.HasLargeIcon)
        file.WriteInteger(section, u"LargeIcon", head.LargeIcon ? 1 : 0);
}

bool NameTaken(const TRurToolBar* toolBar, const String& name, const std::set<String>& namesInUse)
{
    return toolBar->FindComponent(name) || namesInUse.count(NameKey(name)) > 0;
}

} // namespace

String NameKey(const String& name) { return UpperCase(name); }

String UniqueButtonName(const TRurToolBar* toolBar, const String& base, std::set<String>& namesInUse)
{
    for (int n = 1;; ++n) {
        String candidate = base + IntToStr(n);
        if (!NameTaken(toolBar, candidate, namesInUse)) {
            namesInUse.insert(NameKey(candidate));
            return candidate;
        }
    }
}

String UniqueSeparatorName(const TRurToolBar* toolBar, std::set<String>& namesInUse)
{
    auto onToolBar = [&](const String& name) {
        for (int i = 0; i < toolBar->ControlCount(); ++i)
            if (SameText(toolBar->Controls(i)->Name(), name))
                return true;
        return false;
    };
    for (int n = 1;; ++n) {
        String candidate = u"RurToolBarSeparator" + IntToStr(n);
        // Also clear of separators inserted earlier in the same run and of taken-off items the
        // toolbar still owns, so the name can become a component name.
        if (!onToolBar(candidate) && !NameTaken(toolBar, candidate, namesInUse)) {
            namesInUse.insert(NameKey(candidate));
            return candidate;
        }
    }
}

// ---------------------------------------------------------------------------------------------

void TRurToolBarCustomizer::SaveDesignedLayout()
{
    if (!CanPersist())
        return;
    TMemIniFile file(FFileName);
    const String section = DesignedLayoutSection();
    TRurToolBar* toolBar = FRurToolBar;
    int glyphPosition = 0;
    for (int i = 0; i < toolBar->ToolBarControlCount(); ++i)
        if (auto* button = dynamic_cast<TRurToolBarButton*>(toolBar->ToolBarControls(i))) {
            glyphPosition = static_cast<int>(button->GlyphPosition());
            break;
        }
    file.WriteString(section, u"ATBCaption", toolBar->Caption());
    file.WriteInteger(section, u"GlyphPosition", glyphPosition);
    file.WriteInteger(section, u"LargeIcon", toolBar->Images() == FLargeImages ? 1 : 0);
    file.WriteInteger(section, u"ToolBarItemCount", toolBar->ToolBarControlCount());
    for (int i = 0; i < toolBar->ToolBarControlCount(); ++i) {
        TControl* item = toolBar->ToolBarControls(i);
        const String key = EntryKey(i);
        file.WriteString(section, key, item->Name());
        file.WriteString(section, key + u".ClassName", ClassTagOf(item));
        if (!IsButtonItem(item))
            continue;
        file.WriteInteger(section, key + u".ImageIndex", ImageIndexOf(item));
        file.WriteBool(section, key + u".Visible", item->Visible());
        file.WriteBool(section, key + u".ShowCaption", ShowCaptionOf(item));
        file.WriteString(section, key + u".Caption", item->Caption());
        file.WriteString(section, key + u".Hint", item->Hint());
    }
    file.UpdateFile();
}

void SaveCustomizedLayout(TRurToolBarCustomizer* customizer, const TCustomizedLayout& layout)
{
    if (!customizer->EnablePersistence() || customizer->FileName().empty())
        return;
    TRurToolBar* toolBar = customizer->RurToolBar();
    std::set<String> namesInUse;
    for (const auto& line : layout.Lines)
        if (line.Prop && line.Prop->ATBItem)
            if (auto* item = dynamic_cast<TComponent*>(line.Prop->ATBItem))
                namesInUse.insert(NameKey(item->Name()));

    // The whole section is made in memory and the file written once at the end.
    TMemIniFile file(customizer->FileName());
    const String section = customizer->LayoutSection();
    file.EraseSection(section);
    WriteHead(file, section, layout);
    file.WriteInteger(section, u"ToolBarItemCount", static_cast<int>(layout.Lines.size()));
    const TPropertyKeys keys = AllowedKeys(*customizer->ButtonProperties());
    for (size_t i = 0; i < layout.Lines.size(); ++i) {
        const auto& line = layout.Lines[i];
        const TATBItemProp* prop = line.Prop;
        const String key = EntryKey(static_cast<int>(i));
        String name, tag;
        bool properties = false, commandID = false;
        if (!prop) {
            name = line.Text;
            tag = OtherClassTag;
        } else if (prop->ATBItem) {
            auto* item = dynamic_cast<TComponent*>(prop->ATBItem);
            name = item ? item->Name() : String();
            tag = ClassTagOf(prop->ATBItem);
            properties = IsButtonItem(prop->ATBItem);
            commandID = properties && prop->CustomizerCreated;
        } else if (prop->IsATBButton) {
            name = toolBar ? UniqueButtonName(toolBar, ButtonClassTag, namesInUse) : String();
            tag = ButtonClassTag;
            properties = commandID = true;
        } else if (prop->IsGlowButton) {
            // The line's text when it can serve as a new component name, else a free one.
            name = line.Text;
            if (toolBar && (!IsValidIdent(name) || NameTaken(toolBar, name, namesInUse)))
                name = UniqueButtonName(toolBar, GlowButtonClassTag, namesInUse);
            namesInUse.insert(NameKey(name));
            tag = GlowButtonClassTag;
            properties = commandID = true;
        } else {
            name = prop->Caption;
            tag = SeparatorClassTag;
        }
        file.WriteString(section, key, name);
        file.WriteString(section, key + u".ClassName", tag);
        if (commandID)
            file.WriteInteger(section, key + u".CommandID", prop->CommandID);
        if (!properties)
            continue;
        if (keys.Glyph) {
            file.WriteInteger(section, key + u".ImageIndex", prop->ImageIndex);
            file.WriteBool(section, key + u".ForceImageIndex", prop->ForceImageIndex);
        }
        if (keys.Visible)
            file.WriteBool(section, key + u".Visible", prop->Visible);
        if (keys.ShowCaption)
            file.WriteBool(section, key + u".ShowCaption", prop->ShowCaption);
        if (keys.Caption)
            file.WriteString(section, key + u".Caption", prop->Caption);
        if (keys.Hint)
            file.WriteString(section, key + u".Hint", prop->Hint);
    }
    file.UpdateFile();
}

// ---------------------------------------------------------------------------------------------

void TRurToolBarCustomizer::BindCommand(TControl* control, int commandID)
{
    if (commandID < 0 || commandID >= FCommands->Count())
        return;
    TATBCommand* command = FCommands->Items(commandID);
    control->SetOnClick(command->OnExecute());
    control->SetAction(command->Action());
    if (auto* button = dynamic_cast<TRurToolBarButton*>(control))
        button->SetCommandID(commandID);
    else if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control))
        glow->SetCommandID(commandID);
}

TControl* TRurToolBarCustomizer::CreateItem(const String& name, const String& tag, TCustomIniFile& file,
                                            const String& section, const String& key)
{
    const bool button = SameText(tag, ButtonClassTag), separator = SameText(tag, SeparatorClassTag),
               glow = SameText(tag, GlowButtonClassTag);
    if (!button && !separator && !glow)
        return nullptr;
    // A name the file holds becomes a component name: one that cannot (not an identifier, or
    // already owned by the toolbar) places nothing rather than failing half-way through.
    if (!IsValidIdent(name) || FRurToolBar->FindComponent(name))
        return nullptr;
    TControl* control;
    if (button) {
        auto* b = new TRurToolBarButton(FRurToolBar);
        b->SetCustomizerCreated(true);
        control = b;
    } else if (separator) {
        control = new TRurToolBarSeparator(FRurToolBar);
    } else {
        auto* g = new TRurGlowButton(FRurToolBar);
        g->SetCustomizerCreated(true);
        if (auto* images = dynamic_cast<TImageList*>(FRurToolBar->Images()))
            g->SetImages(images);
        g->SetBounds(g->Left(), g->Top(), 23, 22);
        g->SetAutoSize(true);
        control = g;
    }
    control->SetName(name);
    control->SetParent(FRurToolBar);
    if (!separator)
        BindCommand(control, file.ReadInteger(section, key + u".CommandID", -1));
    return control;
}

void TRurToolBarCustomizer::PlaceControls(const std::vector<TControl*>& placed, int glyphPosition, bool glowLayouts)
{
    const bool validPosition = glyphPosition >= 0 && glyphPosition <= 3;
    for (size_t k = 0; k < placed.size() && static_cast<int>(k) < FRurToolBar->ToolBarControlCount(); ++k) {
        TControl* control = placed[k];
        if (validPosition) {
            if (auto* button = dynamic_cast<TRurToolBarButton*>(control))
                button->SetGlyphPosition(static_cast<TGlyphPosition>(glyphPosition));
            else if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control); glow && glowLayouts)
                glow->SetLayout(static_cast<RurGlowButton::TButtonLayout>(glyphPosition));
        }
        const int index = FRurToolBar->IndexOfToolBarControl(control);
        if (index >= 0 && index != static_cast<int>(k))
            FRurToolBar->MoveToolBarControl(index, static_cast<int>(k));
    }
}

void TRurToolBarCustomizer::TakeOffItems(int from, bool reset)
{
    for (int count = FRurToolBar->ToolBarControlCount(); count > from;) {
        TControl* item = FRurToolBar->ToolBarControls(from);
        if (reset && FCreatedItems.IndexOf(item) >= 0) {
            delete item;
        } else {
            // Taken off, never freed: the item stays with its owner, so the application's
            // references to it stay good. A layout remembers it to give it back on reset.
            item->SetParent(nullptr);
            if (!reset && FDeleteItems.IndexOf(item) < 0) {
                FDeleteItems.Add(item);
                item->FreeNotification(this);
            }
        }
        const int left = FRurToolBar->ToolBarControlCount();
        if (left == count)
            break; // the toolbar kept it: nothing more can be taken off
        count = left;
    }
}

void TRurToolBarCustomizer::ApplyImages(int largeIcon)
{
    if (largeIcon == 1 && FLargeImages)
        FRurToolBar->SetImages(FLargeImages);
    else if (FSmallImages)
        FRurToolBar->SetImages(FSmallImages);
}

void TRurToolBarCustomizer::LoadLayout()
{
    if (!CanPersist())
        return;
    TMemIniFile file(FFileName);
    const String section = LayoutSection();
    if (FDialogSettings->EditCaption())
        FRurToolBar->SetCaption(file.ReadString(section, u"ATBCaption", FRurToolBar->Caption()));
    const int glyphPosition =
        FDialogSettings->EditGlyphPosition() ? file.ReadInteger(section, u"GlyphPosition", 0) : 0;
    const int largeIcon =
        FDialogSettings->LargeIcon() && FLargeImages ? file.ReadInteger(section, u"LargeIcon", 0) : 0;
    const int count = file.ReadInteger(section, u"ToolBarItemCount", -1);
    if (count > 0) {
        std::vector<TControl*> placed;
        const TPropertyKeys keys = AllowedKeys(*FButtonProperties);
        for (int i = 0; i < count; ++i) {
            const String key = EntryKey(i);
            const String name = file.ReadString(section, key, u"");
            const String tag = file.ReadString(section, key + u".ClassName", u"");
            if (tag.empty())
                continue;
            TControl* control = FindToolBarControl(name);
            if (!control) {
                control = CreateItem(name, tag, file, section, key);
                if (control) {
                    FCreatedItems.Add(control);
                    control->FreeNotification(this);
                }
            }
            // An item named twice keeps its first place.
            if (!control || std::find(placed.begin(), placed.end(), control) != placed.end())
                continue;
            ApplyButtonKeys(control, file, section, key, keys);
            placed.push_back(control);
        }
        PlaceControls(placed, FDialogSettings->EditGlyphPosition() ? glyphPosition : -1, true);
        TakeOffItems(static_cast<int>(placed.size()), false);
    } else if (count == 0) {
        TakeOffItems(0, false);
    }
    ApplyImages(largeIcon);
}

void TRurToolBarCustomizer::ResetLayout()
{
    if (!CanPersist())
        return;
    TMemIniFile file(FFileName);
    const String section = DesignedLayoutSection();
    FRurToolBar->SetCaption(file.ReadString(section, u"ATBCaption", FRurToolBar->Caption()));
    const int glyphPosition = file.ReadInteger(section, u"GlyphPosition", 0);
    const int largeIcon = file.ReadInteger(section, u"LargeIcon", 0);
    const int count = file.ReadInteger(section, u"ToolBarItemCount", 0);
    if (count > 0) {
        for (int i = 0; i < FDeleteItems.Count(); ++i)
            FDeleteItems.Item<TControl>(i)->SetParent(FRurToolBar);
        FDeleteItems.Clear();
        std::vector<TControl*> placed;
        for (int i = 0; i < count; ++i) {
            const String key = EntryKey(i);
            if (file.ReadString(section, key + u".ClassName", u"").empty())
                continue;
            TControl* control = FindToolBarControl(file.ReadString(section, key, u""));
            if (!control || std::find(placed.begin(), placed.end(), control) != placed.end())
                continue;
            if (dynamic_cast<TRurToolBarButton*>(control))
                ApplyButtonKeys(control, file, section, key,
                                {true, false, true, true, true, true});
            placed.push_back(control);
        }
        PlaceControls(placed, FDialogSettings->EditGlyphPosition() ? glyphPosition : -1, false);
        TakeOffItems(static_cast<int>(placed.size()), true);
    }
    ApplyImages(largeIcon);
    file.EraseSection(LayoutSection());
    file.UpdateFile();
}
