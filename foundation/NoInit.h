#pragma once
// Value wrappers that carry a setting's default, so no record is ever
// uninitialised. Each is stored as its own element holding one element "v".
#include <boost/serialization/nvp.hpp>

namespace PardeloStravon {

// The default is a literal of the template argument list.
template <typename T, auto V>
class NoInit {
 public:
  typedef T value_type;

  NoInit() : v_(static_cast<T>(V)) {}
  NoInit(const T& v) : v_(v) {}
  NoInit& operator=(const T& v) {
    v_ = v;
    return *this;
  }

  operator T&() { return v_; }
  operator const T&() const { return v_; }
  T& get() { return v_; }
  const T& get() const { return v_; }

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("v", v_);
  }

 private:
  T v_;
};

// The default is a named constant, copied when the wrapper is built.
template <typename T, const T& C>
class NoInitS {
 public:
  typedef T value_type;

  NoInitS() : v_(C) {}
  NoInitS(const T& v) : v_(v) {}
  NoInitS& operator=(const T& v) {
    v_ = v;
    return *this;
  }

  operator T&() { return v_; }
  operator const T&() const { return v_; }
  T& get() { return v_; }
  const T& get() const { return v_; }

  template <class Archive>
  void serialize(Archive& ar, const unsigned int /*version*/) {
    ar& boost::serialization::make_nvp("v", v_);
  }

 private:
  T v_;
};

}  // namespace PardeloStravon
