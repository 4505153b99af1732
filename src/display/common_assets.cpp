#include "display/common_assets.h"

std::array<FontRef, 20> UiFonts;
std::array<FontRef, 100> FontTable;
ImageRef IconSheet;
ImageRef IconSheetSharp;
ImageRef LogoImage;
ImageRef SiteLogoImage;
ImageRef BadgeSheet;
SoundRef BadgeSound;
int displayOpened = 0;
