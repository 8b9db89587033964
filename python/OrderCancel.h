// Ctrl-C while an order map is computed: while one of these lives, the application frame's main
// window parents the map's progress (shown on a terminal) and Ctrl-C cancels the computation,
// keeping the rows done. A Ctrl-C that finds nothing to cancel goes to the handler that was there
// before (Python's), so it never ends the interpreter. Interrupted() then says that a computation
// was cancelled, for the caller to raise KeyboardInterrupt once the picture is made. Any thread.
#ifndef OrderCancel_H
#define OrderCancel_H

#include <memory>

class CATApplicationFrame;

class OrderCancel {
 public:
  // iOrder: an order map is drawn, so Ctrl-C is caught.
  explicit OrderCancel(bool iOrder);
  ~OrderCancel();
  OrderCancel(const OrderCancel&) = delete;
  OrderCancel& operator=(const OrderCancel&) = delete;

  bool Interrupted() const;

 private:
  bool _Active = false;
  std::unique_ptr<CATApplicationFrame> _Frame;
  int _Before = 0;
};

#endif
