#include "framework/strings.h"

#include <algorithm>
#include <stdexcept>

namespace fw {

FW_DEFINE_CLASS(TStrings, TObject)

static void CheckIndex(int index, int count) {
  if (index < 0 || index >= count) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::SetStrings(int index, const std::string& text) {
  CheckIndex(index, Count());
  items_[static_cast<size_t>(index)] = text;
  Notify(TChange::Set, index);
}
int TStrings::Add(const std::string& text) {
  Insert(Count(), text);
  return Count() - 1;
}
void TStrings::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) CheckIndex(index, Count());
  items_.insert(items_.begin() + index, text);
  Notify(TChange::Insert, index);
}
void TStrings::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
  Notify(TChange::Delete, index);
}
void TStrings::Clear() {
  items_.clear();
  Notify(TChange::Clear, -1);
}
void TStrings::Move(int from, int to) {
  if (from == to) return;
  CheckIndex(from, Count());
  CheckIndex(to, Count());
  std::string s = items_[static_cast<size_t>(from)];
  Delete(from);
  Insert(to, s);
}
void TStrings::Exchange(int a, int b) {
  CheckIndex(a, Count());
  CheckIndex(b, Count());
  std::string s = items_[static_cast<size_t>(a)];
  SetStrings(a, items_[static_cast<size_t>(b)]);
  SetStrings(b, s);
}
int TStrings::IndexOf(const std::string& text) const {
  auto it = std::find(items_.begin(), items_.end(), text);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}
std::string TStrings::Text() const {
  std::string out;
  for (const std::string& s : items_) out += s + "\r\n";
  return out;
}
void TStrings::Assign(const std::vector<std::string>& lines) {
  Clear();
  for (const std::string& s : lines) Add(s);
}

}  // namespace fw
