#pragma once
// Root of the framework's classes: a class name and published properties (see typinfo.h).
#include "framework/typinfo.h"

namespace fw {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const { return ClassInfo().Name; }
  bool InheritsFrom(const TClassInfo& base) const { return ClassInfo().InheritsFrom(base); }
};

}  // namespace fw

// Inside a class body: declares the class's own TClassInfo and reports it.
#define FW_CLASS()                                       \
 public:                                                 \
  static const ::fw::TClassInfo& StaticClassInfo();      \
  const ::fw::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

// In a source file, for a class that publishes nothing beyond its parent's properties (forms).
#define FW_DEFINE_CLASS(Cls, Base)                                           \
  const ::fw::TClassInfo& Cls::StaticClassInfo() {                           \
    static const ::fw::TClassInfo info{#Cls, &Base::StaticClassInfo(), {}};  \
    return info;                                                             \
  }
