// Marks the editor busy for as long as it lives; nests. While busy, the view's message pumping may
// deliver commands, and the model refuses them.
#pragma once

namespace velgaro {

class EditorBusyScope {
 public:
  explicit EditorBusyScope(bool& busy) : busy_(busy), was_(busy) { busy_ = true; }
  ~EditorBusyScope() { busy_ = was_; }
  EditorBusyScope(const EditorBusyScope&) = delete;
  EditorBusyScope& operator=(const EditorBusyScope&) = delete;

 private:
  bool& busy_;
  bool was_;
};

}  // namespace velgaro
