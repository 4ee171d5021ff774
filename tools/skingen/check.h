#pragma once
// Checks a skin definition text against the images drawn for it: the text is plain ASCII, names
// no section or key twice, holds every expected key with its value, names only drawn images and
// every drawn image; each image divides evenly into its frames.
#include <string>
#include <string_view>
#include <vector>

#include "parts.h"

namespace skingen {

// The value of [TitlebarSkin] SkinName, which selects the style.
std::string DefinitionSkinName(std::string_view ini_text);

// One line per problem; empty when the definition and the images agree.
std::vector<std::string> CheckDefinition(std::string_view ini_text, const SkinImages& images);

}  // namespace skingen
