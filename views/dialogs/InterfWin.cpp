#include "views/dialogs/InterfWin.h"

#include <stdexcept>

namespace PardeloStravon {
namespace {

std::size_t AlignedTo4(std::size_t n) { return (n + 3) / 4 * 4; }

}  // namespace

InterfWin::InterfWin(std::vector<InterfItem> items) : vItems_(std::move(items)) {
  if (!(1 < vItems_.size())) throw std::logic_error("In InterfWin::InterfWin: !(1<vItems_.size())");
}

int InterfWin::WinSize() const {
  std::size_t size = static_cast<std::size_t>(vItems_[0].ContainerSize());
  for (std::size_t i = 1; i < vItems_.size(); ++i)
    size = AlignedTo4(size) + static_cast<std::size_t>(vItems_[i].ItemSize());
  return static_cast<int>(size);
}

VUC InterfWin::WinTemplate() const {
  VUC v = vItems_[0].ContainerTemplate(static_cast<int>(vItems_.size() - 1));
  for (std::size_t i = 1; i < vItems_.size(); ++i) {
    v.resize(AlignedTo4(v.size()), 0);
    const VUC item = vItems_[i].ItemTemplate();
    v.insert(v.end(), item.begin(), item.end());
  }
  if (static_cast<int>(v.size()) != WinSize())
    throw std::logic_error("In InterfWin::WinTemplate: !(v.size()==WinSize())");
  return v;
}

}  // namespace PardeloStravon
