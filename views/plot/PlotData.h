#pragma once
// Data vectors of lines: whole numbers (times) or doubles (values).
#include <cstddef>
#include <utility>
#include <vector>

namespace PardeloStravon {

class PlotVector {
 public:
  virtual ~PlotVector() = default;
  virtual std::size_t size() const = 0;
  virtual double at(std::size_t i) const = 0;
};

class PlotVectorL : public PlotVector {
 public:
  explicit PlotVectorL(std::vector<long> v = {}) : v_(std::move(v)) {}
  std::size_t size() const override { return v_.size(); }
  double at(std::size_t i) const override { return static_cast<double>(v_[i]); }
  const std::vector<long>& GetV() const { return v_; }

 private:
  std::vector<long> v_;
};

class PlotVectorD : public PlotVector {
 public:
  explicit PlotVectorD(std::vector<double> v = {}) : v_(std::move(v)) {}
  std::size_t size() const override { return v_.size(); }
  double at(std::size_t i) const override { return v_[i]; }
  const std::vector<double>& GetV() const { return v_; }

 private:
  std::vector<double> v_;
};

}  // namespace PardeloStravon
