#pragma once
// One loader per section shape of the skin definition.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_definition.h"

namespace skin {

// Generic image object: empty when "Image" gives no name.
std::unique_ptr<TDataSkinObject> LoadImageObject(const TQuickIni& ini, std::string_view section,
                                                 const SkinEntrySource& source, Colour buttonText);
// Image object with a second image from secondKey; "Frame" is not read.
std::unique_ptr<TDataSkinBorder> LoadImageObject2(const TQuickIni& ini, std::string_view section,
                                                  std::string_view secondKey, const SkinEntrySource& source,
                                                  Colour buttonText);
std::unique_ptr<TDataSkinBorder> LoadProgress(const TQuickIni& ini, const SkinEntrySource& source);
std::unique_ptr<TDataSkinBoxLabel> LoadGroupBox(const TQuickIni& ini, const SkinEntrySource& source,
                                                Colour buttonText);
std::unique_ptr<TDataSkinObject> LoadMenuBar(const TQuickIni& ini, const SkinEntrySource& source);

// Caption buttons of the definition (in order) followed by the three MDI buttons.
std::vector<std::unique_ptr<TDataSkinSysButton>> LoadSysButtons(const TQuickIni& ini,
                                                               const std::vector<std::string>& sections,
                                                               const SkinEntrySource& source);
void LoadPushButtons(const TQuickIni& ini, TDataSkinButton& buttons, const SkinEntrySource& source,
                     Colour buttonText);
// Side is "Left", "Right", "Top" or "Bottom" of section "Personality".
void LoadFrameBorder(const TQuickIni& ini, std::string_view side, TDataSkinBorder& border,
                     const SkinEntrySource& source);
void LoadCaption(const TQuickIni& ini, TDataSkinTitle& title, const SkinEntrySource& source);
void LoadColours(const TQuickIni& ini, const std::vector<std::string>& sections, SkinDefinition& skin);

}  // namespace skin
