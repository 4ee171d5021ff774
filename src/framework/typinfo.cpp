#include "framework/typinfo.h"

#include <cctype>

#include "framework/object.h"

namespace fw {

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info{"TObject", nullptr, {}};
  return info;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool TClassInfo::InheritsFrom(const TClassInfo& base) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &base) return true;
  return false;
}

const TPropInfo* TClassInfo::FindOwn(std::string_view name) const {
  for (const TPropInfo& p : Props)
    if (SameText(p.Name, name)) return &p;
  return nullptr;
}

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
  if (!obj) return nullptr;
  for (const TClassInfo* c = &obj->ClassInfo(); c; c = c->Parent)
    if (const TPropInfo* p = c->FindOwn(name)) return p;
  return nullptr;
}

std::vector<const TPropInfo*> GetPropList(const TObject* obj) {
  std::vector<const TPropInfo*> list;
  if (!obj) return list;
  for (const TClassInfo* c = &obj->ClassInfo(); c; c = c->Parent)
    for (const TPropInfo& p : c->Props)
      if (!GetPropInfo(obj, p.Name) || GetPropInfo(obj, p.Name) == &p) list.push_back(&p);
  return list;
}

static bool IsOrd(const TPropInfo* p) {
  return p && (p->Kind == TTypeKind::tkInteger || p->Kind == TTypeKind::tkEnumeration ||
               p->Kind == TTypeKind::tkSet);
}

int64_t GetOrdProp(const TObject* obj, const TPropInfo* prop) {
  return obj && IsOrd(prop) && prop->GetOrd ? prop->GetOrd(*obj) : 0;
}
int64_t GetOrdProp(const TObject* obj, std::string_view name) {
  return GetOrdProp(obj, GetPropInfo(obj, name));
}
void SetOrdProp(TObject* obj, const TPropInfo* prop, int64_t value) {
  if (obj && IsOrd(prop) && prop->SetOrd) prop->SetOrd(*obj, value);
}
void SetOrdProp(TObject* obj, std::string_view name, int64_t value) {
  SetOrdProp(obj, GetPropInfo(obj, name), value);
}

std::string GetStrProp(const TObject* obj, const TPropInfo* prop) {
  return obj && prop && prop->Kind == TTypeKind::tkString && prop->GetStr ? prop->GetStr(*obj) : "";
}
std::string GetStrProp(const TObject* obj, std::string_view name) {
  return GetStrProp(obj, GetPropInfo(obj, name));
}
void SetStrProp(TObject* obj, const TPropInfo* prop, const std::string& value) {
  if (obj && prop && prop->Kind == TTypeKind::tkString && prop->SetStr) prop->SetStr(*obj, value);
}
void SetStrProp(TObject* obj, std::string_view name, const std::string& value) {
  SetStrProp(obj, GetPropInfo(obj, name), value);
}

TObject* GetObjectProp(const TObject* obj, std::string_view name, const TClassInfo* cls) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::tkClass || !p->GetObj) return nullptr;
  TObject* value = p->GetObj(*obj);
  if (value && cls && !value->InheritsFrom(*cls)) return nullptr;
  return value;
}
void SetObjectProp(TObject* obj, std::string_view name, TObject* value) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (p && p->Kind == TTypeKind::tkClass && p->SetObj) p->SetObj(*obj, value);
}

std::string GetEnumName(const TPropInfo* prop, int64_t value) {
  if (!prop || prop->Kind != TTypeKind::tkEnumeration) return "";
  if (value < 0 || value >= static_cast<int64_t>(prop->Names.size())) return "";
  return prop->Names[static_cast<size_t>(value)];
}
int GetEnumValue(const TPropInfo* prop, std::string_view name) {
  if (!prop || prop->Kind != TTypeKind::tkEnumeration) return -1;
  for (size_t i = 0; i < prop->Names.size(); ++i)
    if (SameText(prop->Names[i], name)) return static_cast<int>(i);
  return -1;
}
std::string GetEnumProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  return GetEnumName(p, GetOrdProp(obj, p));
}
bool SetEnumProp(TObject* obj, std::string_view name, std::string_view value_name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  int v = GetEnumValue(p, value_name);
  if (v < 0 || !p->SetOrd) return false;
  p->SetOrd(*obj, v);
  return true;
}
std::string GetSetProp(const TObject* obj, std::string_view name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p || p->Kind != TTypeKind::tkSet) return "";
  int64_t bits = GetOrdProp(obj, p);
  std::string out = "[";
  for (size_t i = 0; i < p->Names.size() && i < 63; ++i) {
    if (!(bits & (int64_t{1} << i))) continue;
    if (out.size() > 1) out += ',';
    out += p->Names[i];
  }
  return out + "]";
}

}  // namespace fw
