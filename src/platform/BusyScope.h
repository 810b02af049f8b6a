// Marks a model busy for as long as it lives; nests. While busy, a view's message pumping may deliver
// commands, and the model refuses them.
#pragma once

namespace velgaro {

class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy), was_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = was_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
  bool was_;
};

}  // namespace velgaro
