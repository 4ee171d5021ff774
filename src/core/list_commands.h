#pragma once
// Commands on the install-path list: add, modify, delete, click, copy, drag and drop.
#include "core/path_list.h"
#include "core/services.h"
#include "core/state.h"

namespace core {

// Add (zenjiaClick): choose a folder, append it and select it (a programmatic selection: no hint,
// no clipboard). Cancelling changes nothing.
void zenjiaClick(PathList& list, PathListState& state, IFolderChooser& chooser);

// Modify (N22Click): replace the selected entry with a chosen folder; silent without a selection.
void N22Click(PathList& list, PathListState& state, IFolderChooser& chooser);

// Delete one (N3Click): the entry that moves into the removed place becomes selected.
void N3Click(PathList& list);

// Delete all (N9Click).
void N9Click(PathList& list);

// Click (ListBox1Click): the hint becomes the selected text; copied when `mycopy` is ticked.
void ListBox1Click(PathList& list, const Options& options, IClipboard& clipboard);

// Double-click (ListBox1DblClick): true when the application is to be minimised.
bool ListBox1DblClick(const PathList& list);

// Copy (N25Click): the click behaviour with `mycopy` ticked for its duration only.
void N25Click(PathList& list, Options& options, IClipboard& clipboard);

// Drag start (ListBox1StartDrag): the entry under the pointer, -1 for none.
void ListBox1StartDrag(PathListState& state, int indexAtPoint);

// Drop (ListBox1DragDrop) on the entry `dropIndex` (-1: not on an entry). The selected entry moves
// to just before the entry dropped on. True when the list changed and needs repainting.
bool ListBox1DragDrop(PathList& list, PathListState& state, int dropIndex);

}  // namespace core
