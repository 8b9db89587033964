// Ctrl-C during an order map: while this lives, the application frame's main window parents the
// map's progress, and Ctrl-C cancels the computation (keeping the rows done) instead of ending
// the program.
#ifndef OrderInterrupts_H
#define OrderInterrupts_H

#include <string>

#include "CATApplicationFrame.h"

class OrderInterrupts {
 public:
  // iOrder: an order map is drawn, so Ctrl-C is caught.
  explicit OrderInterrupts(bool iOrder);
  ~OrderInterrupts();
  OrderInterrupts(const OrderInterrupts&) = delete;
  OrderInterrupts& operator=(const OrderInterrupts&) = delete;

  // iStatus, or the interrupted status 130 after saying that iWhat holds only the rows computed.
  int Finish(int iStatus, const std::string& iWhat) const;

 private:
  CATApplicationFrame _Frame;
  int _Before;
};

#endif
