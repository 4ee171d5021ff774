#include "core/list_commands.h"

#include <string>

namespace core {
namespace {

constexpr const char* kAddPrompt = "增加软件安装路径，请选择一个目录";
constexpr const char* kModifyPrompt = "修改软件安装路径，请选择一个目录";

}  // namespace

void zenjiaClick(PathList& list, PathListState& state, IFolderChooser& chooser) {
  std::string folder = chooser.ChooseFolder(kAddPrompt, state.LastBrowseFolder);
  if (folder.empty()) return;
  state.LastBrowseFolder = folder;
  list.Append(folder);
  list.Select(list.size() - 1);
}

void N22Click(PathList& list, PathListState& state, IFolderChooser& chooser) {
  if (!list.HasSelection()) return;
  const int index = list.selected();
  std::string folder = chooser.ChooseFolder(kModifyPrompt, state.LastBrowseFolder);
  if (folder.empty()) return;
  state.LastBrowseFolder = folder;
  list.Replace(index, folder);
  list.Select(index);
}

void N3Click(PathList& list) {
  if (!list.HasSelection()) return;
  const int index = list.selected();
  list.Remove(index);
  list.Select(index);  // none when the removed entry was the last one
}

void N9Click(PathList& list) { list.Clear(); }

void ListBox1Click(PathList& list, const Options& options, IClipboard& clipboard) {
  if (!list.HasSelection()) return;
  list.SetHint(list.SelectedText());
  if (options.mycopy) clipboard.SetText(list.SelectedText());
}

bool ListBox1DblClick(const PathList& list) { return list.HasSelection(); }

void N25Click(PathList& list, Options& options, IClipboard& clipboard) {
  const bool was = options.mycopy;
  options.mycopy = true;
  ListBox1Click(list, options, clipboard);
  options.mycopy = was;
}

void ListBox1StartDrag(PathListState& state, int indexAtPoint) {
  state.DragSourceIndex = indexAtPoint < 0 ? -1 : indexAtPoint;
}

bool ListBox1DragDrop(PathList& list, PathListState& state, int dropIndex) {
  if (state.DragSourceIndex == -1) return false;
  const int s = list.selected();
  const int d = list.IsIndex(dropIndex) ? dropIndex : -1;
  state.DragSourceIndex = s;
  state.DropIndex = d;
  if (s == d || s == -1 || d == -1) return false;
  const std::string moved = list.entries()[static_cast<size_t>(s)];
  list.Insert(d, moved);
  list.Remove(d < s ? s + 1 : s);
  list.Select(d < s ? d : d - 1);
  return true;
}

}  // namespace core
