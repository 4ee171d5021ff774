#include "core/path_list.h"

namespace core {
namespace {

std::string AsListText(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

}  // namespace

void PathList::Append(std::string_view text) { entries_.push_back(AsListText(text)); }

void PathList::Insert(int index, std::string_view text) {
  if (index < 0 || index > size()) return;
  entries_.insert(entries_.begin() + index, AsListText(text));
  if (selected_ >= index) ++selected_;
}

void PathList::Replace(int index, std::string_view text) {
  if (IsIndex(index)) entries_[static_cast<size_t>(index)] = AsListText(text);
}

void PathList::Remove(int index) {
  if (!IsIndex(index)) return;
  entries_.erase(entries_.begin() + index);
  if (selected_ == index) selected_ = -1;
  else if (selected_ > index) --selected_;
}

void PathList::Clear() {
  entries_.clear();
  selected_ = -1;
}

}  // namespace core
