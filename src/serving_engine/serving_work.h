#pragma once
// What the server window's timers and buttons set going in the serving loop, which lives a layer
// above it: the serving tick, and keeping the pending item requests on disk while serving.

namespace serving_engine {

class ServingWork {
 public:
  virtual ~ServingWork() = default;
  // One serving tick (the RequestTimer's).
  virtual void RequestTimer_Timer() = 0;
  // Serving began: what is pending is kept on disk from now on.
  virtual void BeginServing() = 0;
  // Serving ended (stopped, or the program closed while serving).
  virtual void EndServing() = 0;
  // The queues may have changed: saved when a save is due.
  virtual void SavePendingIfDue() = 0;
};

}  // namespace serving_engine
