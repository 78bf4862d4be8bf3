#pragma once
// The three branches of the serving tick that change the state of serving: the stop sequence
// (timers off, the question about pending commands, the serving report), the pause sequence and
// the first step of a finish, and the end of a finish once its last item is served.

namespace serving_loop {

class ProgramView;

struct ReportValues;

class ServingSequences {
 public:
  explicit ServingSequences(ProgramView& program);

  void Stop();
  void Pause();
  void FinishFirstStep();
  // The finish has served everything: the next tick runs the stop sequence (without its
  // question, since a finish is under way).
  void RequestStopAfterFinish();

 private:
  void AskToRemovePendingCommands();
  ReportValues CollectReport();

  ProgramView& program_;
};

}  // namespace serving_loop
