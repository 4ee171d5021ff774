#pragma once
// Objects and values derived from the loaded skin objects: fixed frame counts, the built-in track
// images, the combo-box composite, the combo arrow, the tool bar background and the border colour.
#include "skin/data/skin_definition.h"

namespace skin {

// The built-in track image: 16 × 4 ("TRACK") or, vertical, 4 × 16 ("TRACKVERT").
skin::Bitmap BuiltInTrackBitmap(bool vertical);
// Fills Track and TrackVertical from the built-in images when the definition gave none.
void AddBuiltInTracks(SkinDefinition& skin);
// Frame counts that do not depend on the definition's "Frame" keys.
void ApplyFixedFrameCounts(SkinDefinition& skin, const TQuickIni& ini);
// The combo-box strip made from SunkEdge, ComboButton and ExtraImages, when both of the first exist.
// arrowWidth is the system's horizontal scroll-arrow width.
void BuildComboComposite(SkinDefinition& skin, int32_t arrowWidth);
void BuildComboArrow(SkinDefinition& skin);
// The colour of TopBorder's image one third in and one third down its first frame, or ButtonFace.
Colour ComputeBorderColor(const SkinDefinition& skin);
void BuildToolbarBack(SkinDefinition& skin);

}  // namespace skin
