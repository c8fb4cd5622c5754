#pragma once
// The document's plot options.
#include <memory>

#include "document/GraphOptions.h"

namespace PardeloStravon {

class QziDocIGph {
 public:
  QziDocIGph() = default;
  QziDocIGph(const QziDocIGph&) = delete;
  QziDocIGph& operator=(const QziDocIGph&) = delete;

  GraphOptions gO_;
};

// Default plot options.
std::shared_ptr<QziDocIGph> NewQziDocIGph();

}  // namespace PardeloStravon
