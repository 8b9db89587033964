// The frame worker's states without its thread: which request is drawn, that a newer view cuts the
// picture being drawn short and drops it, that Esc cuts the picture being drawn and the one waiting,
// that jobs come first, and that a stopped worker draws nothing more.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameSchedule.h"

namespace {

const ViewBox kA(0, 1, 0, 1), kB(0, 2, 0, 2);

// What the worker takes next: 'w' wait, 'd' draw, 'j' job, 's' stop.
char Next(FrameSchedule& ioSchedule, FrameSchedule::Request* oRequest = nullptr) {
  FrameSchedule::Request lRequest;
  std::function<void()> lJob;
  const FrameSchedule::eNext lNext = ioSchedule.Next(lRequest, lJob);
  if (oRequest) *oRequest = lRequest;
  return "wdjs"[lNext];
}

}  // namespace

TEST(FrameSchedule, Transitions) {
  struct Case {
    const char* name;
    std::function<void(FrameSchedule&)> steps;
    FrameSchedule::eState state;
    bool pending, busy, cancelFlag;
  };
  const Case lCases[] = {
      {"idle", [](FrameSchedule&) {}, FrameSchedule::eIdle, false, false, false},
      {"asked", [](FrameSchedule& s) { s.Ask(kA, 10, 10); }, FrameSchedule::eIdle, true, true, false},
      {"drawing", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
       }, FrameSchedule::eDrawing, false, true, false},
      {"the same view asked again changes nothing", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
         s.Ask(kA, 10, 10);
       }, FrameSchedule::eDrawing, false, true, false},
      {"a new view supersedes the picture being drawn", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
         s.Ask(kB, 10, 10);
       }, FrameSchedule::eSuperseded, true, true, true},
      {"a new size too", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
         s.Ask(kA, 10, 11);
       }, FrameSchedule::eSuperseded, true, true, true},
      {"Esc cuts the picture being drawn", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
         s.Cancel();
       }, FrameSchedule::eDrawing, false, true, true},
      {"a job runs first", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         s.AddJob([] {});
         Next(s);
       }, FrameSchedule::eRunningJob, true, true, false},
      {"after the picture, idle", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
         bool lCut;
         s.EndPicture(lCut);
       }, FrameSchedule::eIdle, false, false, false},
      {"stopped while drawing: cut", [](FrameSchedule& s) {
         s.Ask(kA, 10, 10);
         Next(s);
         s.Ask(kB, 10, 10);
         s.Stop();
       }, FrameSchedule::eStopped, false, false, true},
  };
  for (const Case& c : lCases) {
    FrameSchedule lSchedule;
    c.steps(lSchedule);
    EXPECT_EQ(lSchedule.GetState(), c.state) << c.name;
    EXPECT_EQ(lSchedule.HasPending(), c.pending) << c.name;
    EXPECT_EQ(lSchedule.IsBusy(), c.busy) << c.name;
    EXPECT_EQ(lSchedule.GetCancelFlag().load(), c.cancelFlag) << c.name;
  }
}

TEST(FrameSchedule, KeptPicturesAndCuts) {
  struct Case {
    const char* name;
    // Runs until the end of a picture; the host's progress took the Cancel when takeCancel.
    std::function<void(FrameSchedule&)> steps;
    bool takeCancel, kept, cut;
  };
  const Case lCases[] = {
      {"drawn in full", [](FrameSchedule&) {}, false, true, false},
      {"Esc taken: kept, cut", [](FrameSchedule& s) { s.Cancel(); }, true, true, true},
      {"Esc not taken (no progress box): kept whole", [](FrameSchedule& s) { s.Cancel(); }, false, true, false},
      {"superseded: dropped", [](FrameSchedule& s) { s.Ask(kB, 10, 10); }, true, false, true},
      {"stopped: dropped", [](FrameSchedule& s) { s.Stop(); }, true, false, true},
  };
  for (const Case& c : lCases) {
    FrameSchedule lSchedule;
    lSchedule.Ask(kA, 10, 10);
    ASSERT_EQ(Next(lSchedule), 'd') << c.name;
    c.steps(lSchedule);
    if (c.takeCancel) lSchedule.GetCancelFlag() = false;
    bool lCut = false;
    EXPECT_EQ(lSchedule.EndPicture(lCut), c.kept) << c.name;
    EXPECT_EQ(lCut, c.cut) << c.name;
  }
}

TEST(FrameSchedule, OrderOfWork) {
  FrameSchedule lSchedule;
  FrameSchedule::Request lRequest;
  EXPECT_EQ(Next(lSchedule), 'w');
  // Only the newest of the views asked for meanwhile is drawn; Esc before it began cuts it too.
  lSchedule.Ask(kA, 10, 10);
  lSchedule.Ask(kB, 20, 10);
  EXPECT_TRUE(lSchedule.Cancel());
  lSchedule.AddJob([] {});
  EXPECT_EQ(Next(lSchedule), 'j');
  EXPECT_EQ(Next(lSchedule), 'w') << "one thing at a time";
  EXPECT_FALSE(lSchedule.GetCancelFlag().load()) << "a job is never cut";
  lSchedule.EndJob();
  EXPECT_EQ(Next(lSchedule, &lRequest), 'd');
  EXPECT_TRUE(lRequest.Same(kB, 20, 10));
  EXPECT_TRUE(lSchedule.GetCancelFlag().load()) << "Esc came before it began";
  bool lCut;
  lSchedule.EndPicture(lCut);
  // A view asked for after Esc is drawn in full.
  lSchedule.Ask(kA, 10, 10);
  EXPECT_EQ(Next(lSchedule), 'd');
  EXPECT_FALSE(lSchedule.GetCancelFlag().load());
  EXPECT_FALSE(lSchedule.Cancel() && false);
  lSchedule.EndPicture(lCut);
  EXPECT_FALSE(lSchedule.Cancel()) << "nothing to cut";
  lSchedule.Stop();
  lSchedule.Ask(kA, 10, 10);
  lSchedule.AddJob([] {});
  EXPECT_EQ(Next(lSchedule), 's');
}
