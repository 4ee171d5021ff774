#pragma once
// TStrings: an ordered list of GBK strings that tells its holder about each change (a list box
// mirrors it into its window).
#include <functional>
#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {

class TStrings : public TObject {
  FW_CLASS()
 public:
  enum class TChange { Insert, Delete, Set, Clear };
  // Called after each change with the index it concerns (-1 for Clear).
  std::function<void(TChange, int)> OnChanged;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::string& operator[](int index) const { return Strings(index); }
  void SetStrings(int index, const std::string& text);
  int Add(const std::string& text);
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Clear();
  void Move(int from, int to);
  void Exchange(int a, int b);
  int IndexOf(const std::string& text) const;
  const std::vector<std::string>& Items() const { return items_; }
  // Lines joined with CR LF, each ending with one.
  std::string Text() const;
  void Assign(const std::vector<std::string>& lines);

 private:
  void Notify(TChange change, int index) {
    if (OnChanged) OnChanged(change, index);
  }
  std::vector<std::string> items_;
};

}  // namespace fw
