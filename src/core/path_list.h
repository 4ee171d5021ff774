#pragma once
// The install-path list as the list box holds it: ordered texts, one selection or none, and the
// hint (tool tip) the list shows. The program mirrors this model into its list box.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

class PathList {
 public:
  const std::vector<std::string>& entries() const { return entries_; }
  int size() const { return static_cast<int>(entries_.size()); }
  bool empty() const { return entries_.empty(); }
  bool IsIndex(int index) const { return index >= 0 && index < size(); }

  int selected() const { return selected_; }
  bool HasSelection() const { return IsIndex(selected_); }
  const std::string& SelectedText() const { return entries_[static_cast<size_t>(selected_)]; }
  void Select(int index) { selected_ = IsIndex(index) ? index : -1; }

  const std::string& hint() const { return hint_; }
  void SetHint(std::string text) { hint_ = std::move(text); }

  // Texts end at a zero byte, as the list box stores them. None of these changes the selection
  // except to keep it on the same entry (or drop it when that entry goes).
  void Append(std::string_view text);
  void Insert(int index, std::string_view text);  // 0 <= index <= size()
  void Replace(int index, std::string_view text);
  void Remove(int index);
  void Clear();

 private:
  std::vector<std::string> entries_;
  int selected_ = -1;
  std::string hint_;
};

}  // namespace core
