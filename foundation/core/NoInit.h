#pragma once
// Value wrappers that carry a setting's default, so no record is ever
// uninitialised. Each is stored as its own element holding one element "v".
#include <boost/serialization/nvp.hpp>

namespace PardeloStravon {

// What both wrappers share: the one wrapped value and its access. It takes no
// part in the archives, so each wrapper keeps its own element shape.
template <typename T>
class WrappedSetting {
 public:
  typedef T value_type;

  operator T&() { return v_; }
  operator const T&() const { return v_; }
  T& get() { return v_; }
  const T& get() const { return v_; }

 protected:
  explicit WrappedSetting(const T& v) : v_(v) {}

  template <class Archive>
  void SerializeValue(Archive& ar) {
    ar& boost::serialization::make_nvp("v", v_);
  }

  T v_;
};

// The default is a literal of the template argument list.
template <typename T, auto V>
class NoInit : public WrappedSetting<T> {
 public:
  NoInit() : WrappedSetting<T>(static_cast<T>(V)) {}
  NoInit(const T& v) : WrappedSetting<T>(v) {}
  NoInit& operator=(const T& v) {
    this->v_ = v;
    return *this;
  }

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    this->SerializeValue(ar);
  }
};

// The default is a named constant, copied when the wrapper is built.
template <typename T, const T& C>
class NoInitS : public WrappedSetting<T> {
 public:
  NoInitS() : WrappedSetting<T>(C) {}
  NoInitS(const T& v) : WrappedSetting<T>(v) {}
  NoInitS& operator=(const T& v) {
    this->v_ = v;
    return *this;
  }

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    this->SerializeValue(ar);
  }
};

}  // namespace PardeloStravon
