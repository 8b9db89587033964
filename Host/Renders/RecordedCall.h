// One immediate-mode call kept by the recording render: the operation's name and its arguments,
// the float arguments (points first) and the integer arguments in the order of the call.
#ifndef RecordedCall_H
#define RecordedCall_H

#include <ostream>
#include <string>
#include <vector>

struct RecordedCall {
  std::string Op;
  std::vector<float> Floats;
  std::vector<long long> Ints;
  std::string Text;

  bool operator==(const RecordedCall& o) const {
    return Op == o.Op && Floats == o.Floats && Ints == o.Ints && Text == o.Text;
  }
  bool operator!=(const RecordedCall& o) const { return !(*this == o); }
};

// Readable form, e.g. ImmediateDraw2DLine(floats=[0, 0, 10, 5], ints=[2, 1, 0]).
std::ostream& operator<<(std::ostream& iStream, const RecordedCall& iCall);

#endif
