#pragma once
// Published properties readable and writable by name, with their kind, for every framework class.
// Each class describes its own properties once (a TClassInfo with its parent's); lookups walk the
// chain from the object's class up. Names compare without regard to case.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TObject;

enum class TTypeKind { tkInteger, tkEnumeration, tkString, tkClass, tkSet };

struct TPropInfo {
  std::string Name;
  TTypeKind Kind = TTypeKind::tkInteger;
  // Value names of an enumeration (booleans: "False", "True") or element names of a set.
  std::vector<std::string> Names;
  std::function<int64_t(const TObject&)> GetOrd;
  std::function<void(TObject&, int64_t)> SetOrd;  // empty: read-only
  std::function<std::string(const TObject&)> GetStr;
  std::function<void(TObject&, const std::string&)> SetStr;
  std::function<TObject*(const TObject&)> GetObj;
  std::function<void(TObject&, TObject*)> SetObj;
};

struct TClassInfo {
  std::string Name;
  const TClassInfo* Parent = nullptr;
  std::vector<TPropInfo> Props;

  bool InheritsFrom(const TClassInfo& base) const;
  const TPropInfo* FindOwn(std::string_view name) const;
};

// Lookup and access. Missing properties give nullptr; reads of the wrong kind give 0 / "" / nullptr.
const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);
std::vector<const TPropInfo*> GetPropList(const TObject* obj);
int64_t GetOrdProp(const TObject* obj, const TPropInfo* prop);
int64_t GetOrdProp(const TObject* obj, std::string_view name);
void SetOrdProp(TObject* obj, const TPropInfo* prop, int64_t value);
void SetOrdProp(TObject* obj, std::string_view name, int64_t value);
std::string GetStrProp(const TObject* obj, const TPropInfo* prop);
std::string GetStrProp(const TObject* obj, std::string_view name);
void SetStrProp(TObject* obj, const TPropInfo* prop, const std::string& value);
void SetStrProp(TObject* obj, std::string_view name, const std::string& value);
// Object property; with cls given, only when the object is of that class or a descendant.
TObject* GetObjectProp(const TObject* obj, std::string_view name, const TClassInfo* cls = nullptr);
void SetObjectProp(TObject* obj, std::string_view name, TObject* value);
// Enumeration properties by value name ("bsSingle", "True"); "" when missing or not an enumeration.
std::string GetEnumName(const TPropInfo* prop, int64_t value);
int GetEnumValue(const TPropInfo* prop, std::string_view name);  // -1 when unknown
std::string GetEnumProp(const TObject* obj, std::string_view name);
bool SetEnumProp(TObject* obj, std::string_view name, std::string_view value_name);
// Set properties as text "[a,b]".
std::string GetSetProp(const TObject* obj, std::string_view name);
bool SameText(std::string_view a, std::string_view b);

// Describes one class's published properties with member-function accessors.
template <class C>
class ClassInfoBuilder {
 public:
  ClassInfoBuilder(const char* name, const TClassInfo* parent) {
    info_.Name = name;
    info_.Parent = parent;
  }
  template <class V, class B, class SB = B>
  ClassInfoBuilder& Int(const char* name, V (B::*get)() const, void (SB::*set)(V) = nullptr) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkInteger;
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>((static_cast<const C&>(o).*get)()); };
    if (set)
      p.SetOrd = [set](TObject& o, int64_t v) { (static_cast<C&>(o).*set)(static_cast<V>(v)); };
    info_.Props.push_back(std::move(p));
    return *this;
  }
  template <class B, class SB = B>
  ClassInfoBuilder& Bool(const char* name, bool (B::*get)() const, void (SB::*set)(bool) = nullptr) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkEnumeration;
    p.Names = {"False", "True"};
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>((static_cast<const C&>(o).*get)()); };
    if (set) p.SetOrd = [set](TObject& o, int64_t v) { (static_cast<C&>(o).*set)(v != 0); };
    info_.Props.push_back(std::move(p));
    return *this;
  }
  template <class E, class B, class SB = B>
  ClassInfoBuilder& Enum(const char* name, E (B::*get)() const, void (SB::*set)(E),
                         std::initializer_list<const char*> names) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkEnumeration;
    for (const char* n : names) p.Names.emplace_back(n);
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>((static_cast<const C&>(o).*get)()); };
    if (set) {
      auto count = static_cast<int64_t>(p.Names.size());
      p.SetOrd = [set, count](TObject& o, int64_t v) {
        if (v >= 0 && v < count) (static_cast<C&>(o).*set)(static_cast<E>(v));
      };
    }
    info_.Props.push_back(std::move(p));
    return *this;
  }
  template <class S, class B, class SB = B>
  ClassInfoBuilder& Set(const char* name, S (B::*get)() const, void (SB::*set)(S),
                        std::initializer_list<const char*> names) {
    Enum(name, get, static_cast<void (B::*)(S)>(nullptr), names);
    TPropInfo& p = info_.Props.back();
    p.Kind = TTypeKind::tkSet;
    if (set) p.SetOrd = [set](TObject& o, int64_t v) { (static_cast<C&>(o).*set)(static_cast<S>(v)); };
    return *this;
  }
  template <class R, class B, class SB = B>
  ClassInfoBuilder& Str(const char* name, R (B::*get)() const, void (SB::*set)(const std::string&) = nullptr) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkString;
    p.GetStr = [get](const TObject& o) { return std::string((static_cast<const C&>(o).*get)()); };
    if (set) p.SetStr = [set](TObject& o, const std::string& v) { (static_cast<C&>(o).*set)(v); };
    info_.Props.push_back(std::move(p));
    return *this;
  }
  template <class T, class B, class SB = B>
  ClassInfoBuilder& Object(const char* name, T* (B::*get)() const, void (SB::*set)(T*) = nullptr) {
    TPropInfo p;
    p.Name = name;
    p.Kind = TTypeKind::tkClass;
    p.GetObj = [get](const TObject& o) -> TObject* { return (static_cast<const C&>(o).*get)(); };
    if (set)
      p.SetObj = [set](TObject& o, TObject* v) { (static_cast<C&>(o).*set)(dynamic_cast<T*>(v)); };
    info_.Props.push_back(std::move(p));
    return *this;
  }
  TClassInfo Build() { return std::move(info_); }

 private:
  TClassInfo info_;
};

}  // namespace fw
