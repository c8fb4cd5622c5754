#pragma once
// Sole owner of a private implementation object. Dereferencing an empty one
// or resetting it with the pointer it already holds is a programming error,
// reported as an assertion instead of a crash.
#include <boost/noncopyable.hpp>
#include <type_traits>
#include <utility>

#include "foundation/core/Assert.h"

namespace PardeloStravon {

template <typename T>
class ImmScoped : private boost::noncopyable {
 public:
  ImmScoped() = default;
  explicit ImmScoped(T* p) : p_(p) {}
  // Builds the object from one argument; if its constructor throws, nothing
  // is held and the exception passes on.
  template <typename A>
    requires(!std::is_convertible_v<A, T*>)
  explicit ImmScoped(A&& a) : p_(new T(std::forward<A>(a))) {}
  ~ImmScoped() { delete p_; }

  T* get() const { return p_; }

  T* operator->() const {
    ASSERT_THROW(p_ != nullptr, L"Derefering null pointer!");
    return p_;
  }
  T& operator*() const {
    ASSERT_THROW(p_ != nullptr, L"Derefering null pointer!");
    return *p_;
  }

  void reset(T* p = nullptr) {
    ASSERT_THROW(p == nullptr || p != p_, L"Self resetting not null pointer!");
    T* old = p_;
    p_ = p;
    delete old;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace PardeloStravon
