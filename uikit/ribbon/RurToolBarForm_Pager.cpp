// What the ribbon form asks of the ribbon it carries. Until a ribbon is placed on the form these
// give the answers of a form without one.
#include "RurToolBarForm.h"

TRurToolBarPager* TRurToolBarForm::FirstPager() const { return nullptr; }

int TRurToolBarForm::GetPagerCaptionHeight() const { return -1; }

int TRurToolBarForm::GetGlassTabExtra() const { return -1; }

TColor TRurToolBarForm::PagerBorderColor() const { return clGray; }

void TRurToolBarForm::PagerSetAeroVista(bool) {}

void TRurToolBarForm::PagerSetColorTones(const TColorTones&) {}

void TRurToolBarForm::PagerCheckHideState() {}
