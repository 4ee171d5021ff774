#pragma once
// Contact sheet of a skin: a mock of the skin at work on top, then every image with its name,
// size and frame meaning, its frames pulled apart and numbered, enlarged to be judged.
#include "common/image.h"
#include "parts.h"
#include "skin/data/skin_definition.h"

namespace skingen {

common::Image24 RenderSheet(const Style& style, const SkinImages& images, const skin::SkinDefinition& loaded);

}  // namespace skingen
