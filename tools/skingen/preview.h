#pragma once
// A mock of the skin at work, drawn only from what the loader made of it: a main window active
// and inactive (frame, caption, caption buttons, menu bar, common controls) and an open popup
// menu. Places and frames follow the painters' rules, so a mistake in the definition shows.
#include "skin/data/bitmap.h"
#include "skin/data/skin_definition.h"

namespace skingen {

skin::Bitmap RenderPreview(const skin::SkinDefinition& skin);

}  // namespace skingen
